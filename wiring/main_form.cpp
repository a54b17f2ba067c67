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
    wireFeaturesStillToCome();
    wireRegistration();
    wireToolbarAndTray();
}

void MainForm::setCommandLine(const QStringList& arguments, const QString& workingDir)
{
    startUp_.setCommandLine(arguments, workingDir);
}

// The parts of the program that are not there yet: the optical drives.
// Until they are, their steps have nothing to do.
void MainForm::wireFeaturesStillToCome()
{
    dedaoguangqu = [] {};
}
