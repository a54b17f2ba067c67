#pragma once

#include <QString>
#include <functional>

// A file or folder under one of the program's folders, from its name
// relative to that folder (the window's programPath or userPath).
using ProgramPathOf = std::function<QString(const QString& relative)>;
