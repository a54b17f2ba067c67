#pragma once

#include "core/folder_path.h"
#include "core/hook.h"
#include <QString>
#include <QUrl>

#include <functional>

class Dialogs;
class MenuArray;

// The Help menu bangzhu1: the feature description, the home page, the
// news switch and the About box.
class HelpMenu {
public:
    // programPath: under the program folder; userPath: where the program
    // writes its own files.
    HelpMenu(MenuArray& bangzhu1, Dialogs*& dialogs, ProgramPathOf programPath, ProgramPathOf userPath);

    void bangzhu1_Click(int Index);

    // The feature description under the program folder.
    QString featuresPath() const;
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

    MenuArray& bangzhu1_;
    Dialogs*& dialogs_;
    ProgramPathOf programPath_;
    ProgramPathOf userPath_;
};
