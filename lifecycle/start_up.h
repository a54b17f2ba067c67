#pragma once

#include "lifecycle/title_step.h"

#include <QStringList>

class Form1;

// Start-up, drops and shutdown of the main window: its load, the start
// sequence, the title and start steps of the dispatcher, files dropped onto
// it, and the close request.
class StartUp {
public:
    explicit StartUp(Form1& form) : form_(form) {}

    // The files the program was started with, and the folder it was started in.
    void setCommandLine(const QStringList& arguments, const QString& workingDir);

    void formLoad();
    void chengxukaishi();
    void shijian1();
    void shijian5();
    // Files dropped onto the window, in the order the desktop reports them.
    void dropFiles(const QStringList& paths);
    // The close request: stores options and list, then ends 100 ms later.
    void formUnload();
    void timerEnd();

private:
    void loadSteps();
    QString startupListText() const;

    Form1& form_;
    QStringList arguments_;
    QString workingDir_;
    TitleStep titleStep_;
};
