#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The eight lines of the options file and what start-up makes of them.
namespace OptionValues {

inline constexpr int kLineCount = 8;

// The value each field sees: a line that cannot be read (the file is
// missing or shorter) repeats the last line that could, or "" when none.
QStringList holdValues(const QStringList& lines);

// A number as the options file writes it, blanks around allowed.
std::optional<double> toNumber(const QString& text);
// A number (non-zero is true) or the words True and False.
std::optional<bool> toBoolean(const QString& text);

// What start-up applies, in the order of the lines.
struct Plan {
    std::optional<int> loopMode; // for xunhuan1_Click; none leaves the designed mode
    int startPicture = 0;        // the huamian item to check
    bool randomStartPicture = false;
    bool showDirectories = false;
    QString picturePreview;      // form5_yunantupian
    QString mediaPreview;        // form5_yunanyinshipin
    QString flashPreview;        // form5_yunanflash
    int background = 0;          // the beijing1 item to check and choose
};

// lines: the lines read from the file (fields past them hold the last one);
// the counts are those of the start-picture and background menus. An index
// that is not one of their items (not a number, negative, too large)
// chooses item 0; a loop mode other than 0, 1 or 2 is left as designed.
Plan plan(const QStringList& lines, int startPictureCount, int backgroundCount);

// The text of a check for lines 3 and 4.
inline QString booleanText(bool value)
{
    return value ? QStringLiteral("-1") : QStringLiteral("0");
}

} // namespace OptionValues
