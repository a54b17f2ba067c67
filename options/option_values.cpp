#include "options/option_values.h"

#include <cmath>

namespace OptionValues {

namespace {

constexpr int kMaxNumberChars = 64;

// The nearest whole number, halves to the even one.
std::optional<int> toIndex(const QString& text)
{
    const std::optional<double> value = toNumber(text);
    if (!value || std::fabs(*value) > 32767)
        return std::nullopt;
    return int(std::nearbyint(*value));
}

int menuIndex(const QString& text, int count)
{
    const std::optional<int> index = toIndex(text);
    return index && *index >= 0 && *index < count ? *index : 0;
}

} // namespace

QStringList holdValues(const QStringList& lines)
{
    QStringList values;
    QString held;
    for (int i = 0; i < kLineCount; ++i) {
        if (i < lines.size())
            held = lines.at(i);
        values << held;
    }
    return values;
}

std::optional<double> toNumber(const QString& text)
{
    // No number the file holds is longer; a huge line is not read as one.
    if (text.size() > kMaxNumberChars)
        return std::nullopt;
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> toBoolean(const QString& text)
{
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<double> value = toNumber(word))
        return *value != 0;
    return std::nullopt;
}

Plan plan(const QStringList& lines, int startPictureCount, int backgroundCount)
{
    const QStringList v = holdValues(lines);
    Plan p;
    if (const std::optional<int> loop = toIndex(v.at(0)); loop && *loop >= 0 && *loop <= 2)
        p.loopMode = *loop;
    p.startPicture = menuIndex(v.at(1), startPictureCount);
    p.randomStartPicture = toBoolean(v.at(2)).value_or(false);
    p.showDirectories = toBoolean(v.at(3)).value_or(false);
    p.picturePreview = v.at(4);
    p.mediaPreview = v.at(5);
    p.flashPreview = v.at(6);
    p.background = menuIndex(v.at(7), backgroundCount);
    return p;
}

} // namespace OptionValues
