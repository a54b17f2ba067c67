#include "news/window/news_popup_host.h"

#include "core/form1.h"
#include "news/help_menu.h"
#include "news/news_scheduler.h"
#include "platform/online_state.h"

#include <QRandomGenerator>
#include <QTime>

NewsPopupHost::NewsPopupHost(Form1& form, HelpMenu& help, NewsScheduler& scheduler,
                             QObject* parent)
    : QObject(parent),
      random([] {
          QRandomGenerator generator(quint32(QTime::currentTime().msecsSinceStartOfDay()));
          return generator.generateDouble();
      }),
      form_(form),
      online_(new OnlineState(this))
{
    help.showNews.connect(this, [this] { show(); });
    scheduler.paneBusy.connect(this, [this] { return paneBusy(); });
    scheduler.showPopup.connect(this, [this] { show(); });
    scheduler.isOnline = [online = QPointer<OnlineState>(online_)] { return online && online->isOnline(); };
}

// The program is ending: the popup goes without its fade.
NewsPopupHost::~NewsPopupHost()
{
    delete popup_.data();
}

NewsPopup* NewsPopupHost::popup() const
{
    return popup_ && !popup_->fading() ? popup_.data() : nullptr;
}

NewsPopup& NewsPopupHost::load()
{
    if (NewsPopup* loaded = popup())
        return *loaded;
    popup_ = new NewsPopup(form_.programPath(QStringLiteral("新闻资讯")), random);
    popup_->WebBrowser2().openUrl = [this](const QUrl& address) { return openUrl(address); };
    // The rise waits, like the main window's timers, while an entry opens.
    form_.timersHeldWhileOpening.removeIf([](const QPointer<QTimer>& timer) { return !timer; });
    form_.timersHeldWhileOpening << &popup_->Timer1;
    return *popup_;
}

void NewsPopupHost::show()
{
    NewsPopup& shown = load();
    shown.show();
    shown.raise();
}

bool NewsPopupHost::paneBusy()
{
    return load().WebBrowser1().Busy();
}
