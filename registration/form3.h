#pragma once

#include "core/folder_path.h"
#include "chrome/skinned_button.h"
#include "core/hook.h"
#include "registration/module1.h"
#include "registration/registration_types.h"

#include <QCoreApplication>
#include <QString>
#include <array>
#include <functional>

class Dialogs;
struct Form1State;

// What the registration window takes from the main window: the silent
// run's switch kaishizhuce, the program folder (the registered command and
// icon are under it), where the program keeps its files and writes its
// own, and the main window's dialogs.
struct Form3Parts {
    Form1State& state;
    const QString& programDir;
    ProgramPathOf programPath;
    ProgramPathOf userPath;
    Dialogs*& dialogs;
};

// The registration window Form3 as its handlers see it: one check box per
// file type, read from the store when it loads, and the buttons that check
// or clear them all, register the checked types and unregister the
// unchecked ones that are this program's, and close. Registering writes the
// store and the desktop's associations. The main window is disabled while
// it is loaded.
class Form3 {
public:
    static inline const QString Caption = QStringLiteral("类型注册");
    static inline const QString Question = QStringLiteral("确实注册选择项和取消注册未选项吗?");
    static inline const QString Done = QStringLiteral("注册和取消注册完成!");
    static inline const QString SilentRun = QStringLiteral("开始注册");
    static inline const QString Marker = QStringLiteral("数据库/注册");
    static constexpr double kWidth = 6060; // its normal size, twips
    static constexpr double kHeight = 4125;
    enum Button { SelectAll = 0, ClearAll = 1, Register = 2, Close = 3 };

    explicit Form3(const Form3Parts& parts);

    std::array<int, RegistrationTypes::kCount> Check1{}; // 1 checked, 0 not
    QString Text1;  // the hidden box holding each value read while it is compared
    SkinnedButtons anniu1{{QStringLiteral("选择所有项"), QStringLiteral("清除所有项"),
                           QStringLiteral("注    册"), QStringLiteral("关    闭")}};
    // Where registering writes; tests point these elsewhere.
    Module1 store;
    QString executable = QCoreApplication::applicationFilePath();
    // The question and the message over this window; without them those
    // of the main window.
    Dialogs* dialogs = nullptr;

    bool isLoaded() const { return loaded_; }

    // Options "类型注册(&Z)": loads the window unless it is, and shows it.
    void show();
    void Form_Load();
    void Form_Unload();
    void Label1_Click(int Index);
    void Check1_Click(int Index, int value);
    void anniu1_Click(int Index);
    // The start step's silent registration, once: while the marker is missing.
    void firstRunRegistration();

    // The window on screen: shown, hidden, and every change of the boxes.
    Hook<void()> showWindow;
    Hook<void()> hideWindow;
    Hook<void()> changed;
    // The main window's enabled state while this one is loaded.
    Hook<void(bool)> enableMainWindow;

private:
    void zhuce();
    void registerDesktop();
    QString readValue(const QString& key);
    void setValue(const QString& key, const QString& value);
    Dialogs* shownDialogs() const;

    Form3Parts parts_;
    bool loaded_ = false;
};
