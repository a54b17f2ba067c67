#pragma once

#include <QString>

// Reads the news switch file "v.sz": true when its first line that is not
// blank reads "True" exactly, or starts with a number equal to 1.
bool newsPopupsForbidden(const QString& path);
