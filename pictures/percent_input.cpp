#include "pictures/percent_input.h"

#include "platform/dialogs.h"

#include <QRegularExpression>

namespace PercentInput {

double leadingNumber(QStringView text)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?)"));
    const QRegularExpressionMatch match = number.match(text.toString());
    if (!match.hasMatch())
        return 0;
    bool ok = false;
    const double value = match.captured(1).toDouble(&ok);
    return ok ? value : 0;
}

std::optional<double> ask(Dialogs* dialogs)
{
    while (dialogs) {
        const QString answer = dialogs->inputBox(kPrompt, QString(), QString());
        if (answer.isEmpty())
            return std::nullopt;
        const double value = leadingNumber(answer);
        if (value >= 1 && value <= 1000)
            return value / 100;
    }
    return std::nullopt;
}

} // namespace PercentInput
