#include "core/operation.h"

#include <QtGlobal>

#include <string>

namespace {

void logMissing(const char* name)
{
    qCritical("No feature provides the window operation %s; it does nothing.", name);
}

MissingOperationHandler missingHandler = &logMissing;

} // namespace

void setMissingOperationHandler(MissingOperationHandler handler)
{
    missingHandler = handler ? handler : &logMissing;
}

void reportMissingOperation(const char* name)
{
    missingHandler(name);
}

void reportUnhandledItem(const char* menu, int index)
{
    const std::string name = std::string(menu) + '[' + std::to_string(index) + ']';
    missingHandler(name.c_str());
}
