#pragma once

#include "core/hook.h"
#include <QString>
#include <QUrl>

#include <functional>

class Form1;

// The Help menu bangzhu1: the feature description, the home page, the
// news switch and the About box.
class HelpMenu {
public:
    explicit HelpMenu(Form1& form);

    void bangzhu1_Click(int Index);

    // The feature description under the program folder.
    static QString featuresPath(const Form1& form);
    // The About box's text, lines ended by a lone CR.
    static QString aboutText();
    static QString homePage() { return QStringLiteral("https://xuanyinfang.github.io"); }

    // Opens a file or an address with the desktop's program for it; tests
    // record instead.
    std::function<bool(const QUrl&)> openUrl;
    // Shows the news popup; set once the news window exists.
    Hook<void()> showNews;

private:
    void toggleNewsSwitch();

    Form1& form_;
};
