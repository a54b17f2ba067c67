#include "status_notifier_watcher.h"

void StatusNotifierWatcher::RegisterStatusNotifierItem(const QString& service)
{
    items_ << service;
    emit StatusNotifierItemRegistered(service);
}
