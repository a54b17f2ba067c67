#pragma once

#include "desktop_home.h"
#include "doubles/plain_controls.h"
#include "doubles/scripted_dialogs.h"
#include "registration/form3.h"

inline Form3Parts form3Parts(Form1& form)
{
    return {.state = form.state,
            .programDir = form.programDir,
            .programPath = [&form](const QString& relative) { return form.programPath(relative); },
            .userPath = [&form](const QString& relative) { return form.userPath(relative); },
            .dialogs = form.dialogs};
}

// The registration window's model on a plain main window whose program
// folder is the stand-in's, in a home of the test's own.
struct RegistrationFixture : PlainControls<> {
    RegistrationFixture()
    {
        form.programDir = desktop.appDir();
        form.dialogs = &dialogs;
        form3.executable = desktop.program();
    }
    QString stored(const QString& key) const
    {
        int type = 0;
        return form3.store.sdaGetRegEntry(Module1::kClassesRoot, key, QString(), type);
    }
    void storeValue(const QString& key, const QString& value)
    {
        form3.store.reg_create_key(Module1::kClassesRoot, key);
        form3.store.reg_set_key_value(Module1::kClassesRoot, key, QString(), value, Module1::kString);
    }
    // Presses "注    册" and answers the question with Yes.
    void registerChecked()
    {
        dialogs.questionAnswers.enqueue(true);
        form3.anniu1_Click(Form3::Register);
    }
    void registerOnly(std::initializer_list<int> types)
    {
        form3.Form_Load();
        form3.Check1.fill(0);
        for (int i : types)
            form3.Check1[i] = 1;
        registerChecked();
    }

    DesktopHome desktop;
    ScriptedDialogs dialogs;
    Form1 form{controls()};
    Form3 form3{form3Parts(form)};
};
