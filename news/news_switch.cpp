#include "news/news_switch.h"

#include "playlist/gb_text.h"

#include <QRegularExpression>

namespace {

// The number a text starts with, leading blanks skipped; 0 when none.
double leadingNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+))"));
    const QRegularExpressionMatch m = number.match(text);
    return m.hasMatch() ? m.captured(1).toDouble() : 0;
}

} // namespace

bool newsPopupsForbidden(const QString& path)
{
    // Only the first non-blank line counts, and it is never far down.
    constexpr int kMostLinesRead = 9999;
    for (const QString& line : GbText::readFileLines(path, kMostLinesRead, GbText::EmptyLines::Skip)) {
        if (line.trimmed().isEmpty())
            continue;
        return line == QLatin1String("True") || leadingNumber(line) == 1;
    }
    return false;
}
