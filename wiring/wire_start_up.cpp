#include "wiring/main_form.h"

// Start-up, the dispatcher's steps, the display refresh and shutdown.
void MainForm::wireStartUp()
{
    formLoad = [this] { startUp_.formLoad(); };
    formUnload = [this] { startUp_.formUnload(); };
    dropFiles = [this](const QStringList& paths) { startUp_.dropFiles(paths); };
    shijian1 = [this] { startUp_.shijian1(); };
    shijian5 = [this] { startUp_.shijian5(); };
    shijian2 = [this] { displayRefresh_.run(); };
    unloadSplash = [this] {
        if (closeSplash)
            closeSplash();
    };
    endProgram = [this] {
        if (quit)
            quit();
    };
    QObject::connect(&Timer1, &QTimer::timeout, &Timer1, [this] { dispatcher_.tick(); });
    QObject::connect(&Timer_end, &QTimer::timeout, &Timer_end, [this] { startUp_.timerEnd(); });
}
