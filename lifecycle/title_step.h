#pragma once

#include <QString>

// The scrolling window title. Each step shows the title text rotated one
// more character to the left; only the first 200 characters of a longer
// text are shown, and the rotation then rests for the steps beyond them.
class TitleStep {
public:
    static constexpr int kTableSize = 200;

    // The caption for the next step of the given text.
    QString next(const QString& text);

private:
    int titlePos_ = 0;
};

// The text that scrolls: "  璇音坊 " + version + four blanks, then in the
// idle mode two blanks, otherwise the current entry's full path and two
// blanks.
QString titleText(const QString& versionText, bool idle, const QString& entryPath);
