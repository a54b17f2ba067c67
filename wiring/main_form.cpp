#include "wiring/main_form.h"

MainForm::MainForm(const Form1Controls& controls) : Form1(controls)
{
    wireStartUp();
    wirePlaylist();
    wirePlayback();
    wireAudio();
    wirePictures();
    wireChrome();
    wireOptions();
    wireHelp();
    wirePrintPreview();
    wireDiscs();
    wireRegistration();
    wireToolbarAndTray();
}

void MainForm::setCommandLine(const QStringList& arguments, const QString& workingDir)
{
    startUp_.setCommandLine(arguments, workingDir);
}
