#pragma once

#include "core/form1.h"

#include <QString>
#include <functional>

// A window's folders as handlers take them: each asks the window when used,
// so a test may still move programDir after building the handler.
inline std::function<QString(const QString&)> programPathOf(const Form1& form)
{
    return [&form](const QString& relative) { return form.programPath(relative); };
}

inline std::function<QString(const QString&)> userPathOf(const Form1& form)
{
    return [&form](const QString& relative) { return form.userPath(relative); };
}
