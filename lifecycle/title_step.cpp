#include "lifecycle/title_step.h"

QString TitleStep::next(const QString& text)
{
    const int length = int(text.size());
    if (length == 0)
        return QString();
    titlePos_ += 1;
    if (titlePos_ == length)
        titlePos_ = 0;
    // Slots 1 ... 200 hold the text's characters; a slot past the text's
    // 200th character stays empty and adds nothing.
    QString caption;
    for (int j = titlePos_; j <= titlePos_ + length - 1; ++j) {
        int k = j % length;
        if (k == 0)
            k = length;
        if (k <= kTableSize)
            caption += text[k - 1];
    }
    return caption;
}

QString titleText(const QString& versionText, bool idle, const QString& entryPath)
{
    const QString head = QStringLiteral("  璇音坊 ") + versionText + QStringLiteral("    ");
    return idle ? head + QStringLiteral("  ") : head + entryPath + QStringLiteral("  ");
}
