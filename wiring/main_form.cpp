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
    wireFeaturesStillToCome();
    wireToolbarAndTray();
}

void MainForm::setCommandLine(const QStringList& arguments, const QString& workingDir)
{
    startUp_.setCommandLine(arguments, workingDir);
}

// The parts of the program that are not there yet: the file-type
// registration. Until it is, its step has nothing to do.
void MainForm::wireFeaturesStillToCome()
{
    firstRunRegistration = [] {};
}
