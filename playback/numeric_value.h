#pragma once

#include <QStringView>

// The leading number of a text, as the command replies, track names and
// answers are read: blanks first are skipped, then an optional sign, digits
// with an optional fraction and exponent. A text without a number gives 0
// ("12.cda" gives 12, "k7.cda" gives 0, " 25%" gives 25).
double numericValue(QStringView text);
