#pragma once

#include <QString>
#include <QStringView>
#include <optional>

class Dialogs;

namespace PercentInput {

inline const QString kPrompt =
    QStringLiteral("\r   请输入缩放系数(%):\r   系数范围( 1-1000)% ");

// The leading number of a text: blanks first are skipped, then an optional
// sign, digits with an optional fraction and exponent; no number gives 0.
double leadingNumber(QStringView text);

// Asks for a custom zoom percentage until it lies in 1 ... 1000 and gives
// it as a factor (250 gives 2.5). Empty input or cancelling gives nothing.
std::optional<double> ask(Dialogs* dialogs);

} // namespace PercentInput
