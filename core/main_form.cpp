#include "core/main_form.h"

#include "pictures/picture_menus.h"
#include "playback/player_wait.h"
#include "options/file_menu.h"
#include "options/shortcut_commands.h"
#include "playlist/folder_scan.h"
#include "playlist/playlist_entries.h"

MainForm::MainForm(const Form1Controls& controls)
    : Form1(controls), displayRefresh_(*this), startUp_(*this), dispatcher_(*this),
      listWriter_(*this), sorter_(*this),
      listSaver_(*this), optionsMenu_(*this), optionsFile_(*this)
{
    QObject::connect(&Timer1, &QTimer::timeout, &Timer1, [this] { dispatcher_.tick(); });
    QObject::connect(&Timer_end, &QTimer::timeout, &Timer_end, [this] { startUp_.timerEnd(); });
    playerEvents_.connectPlayers();
    QObject::connect(&Timer3, &QTimer::timeout, &Timer3, [this] { stepRepeat_.tick(); });
}

void MainForm::setCommandLine(const QStringList& arguments, const QString& workingDir)
{
    startUp_.setCommandLine(arguments, workingDir);
}

void MainForm::formLoad()
{
    startUp_.formLoad();
}

void MainForm::formUnload()
{
    startUp_.formUnload();
}

void MainForm::dropFiles(const QStringList& paths)
{
    startUp_.dropFiles(paths);
}

void MainForm::shijian1()
{
    startUp_.shijian1();
}

void MainForm::shijian5()
{
    startUp_.shijian5();
}

void MainForm::unloadSplash()
{
    if (closeSplash)
        closeSplash();
}

void MainForm::endProgram()
{
    if (quit)
        quit();
}

void MainForm::shijian2()
{
    displayRefresh_.run();
}

void MainForm::write_liebiao(const QString& xiang, const QString& aa)
{
    listWriter_.write_liebiao(xiang, aa);
}

void MainForm::liebiao_Click(int Index)
{
    entryOpener_.liebiao_Click(Index);
}

void MainForm::paixu1_Click(int Index)
{
    sorter_.paixu1_Click(Index);
}

void MainForm::xuanxiang1_Click(int Index)
{
    optionsMenu_.xuanxiang1_Click(Index);
}

void MainForm::xunhuan1_Click(int Index)
{
    optionsMenu_.xunhuan1_Click(Index);
}

void MainForm::cunchuxuanxiang()
{
    optionsFile_.cunchuxuanxiang();
}

void MainForm::duquxuanxiang()
{
    optionsFile_.readAtStartup();
}

void MainForm::baocunliebiao()
{
    listSaver_.run();
}

void MainForm::bofangmulu_Click(int Index)
{
    FolderScan::bofangmulu_Click(*this, Index);
}

void MainForm::zunjiamulu_Click(int Index)
{
    FolderScan::zunjiamulu_Click(*this, Index);
}

void MainForm::kuaijie_mulu_Click(int Index)
{
    FolderScan::kuaijie_mulu_Click(*this, Index);
}

void MainForm::shijian3()
{
    statusLine_.shijian3();
}

void MainForm::shijian6()
{
    endOfMedia_.shijian6();
}

void MainForm::kongzhi1_Click(int Index)
{
    transport_.kongzhi1_Click(Index);
}

void MainForm::baifenbi_Click(int Index)
{
    transport_.baifenbi_Click(Index);
}

// The shortcut menu's transport items are the Control menu's; 7, 8 and 9
// move through the list.
void MainForm::kuaijiecaidan1_Click(int Index)
{
    switch (Index) {
    case 0: case 1: case 2: case 4: case 5: kongzhi1_Click(Index); break;
    case 7: navigation_.previous(); break;
    case 8: navigation_.next(); break;
    case 9: navigation_.replay(); break;
    case 11:
        if (WindowsMediaPlayer1.fullScreen())
            WindowsMediaPlayer1.setFullScreen(false);
        wenjian1_Click(FileMenu::PlayFiles);
        break;
    case ShortcutItem::FullScreen: ShortcutCommands::toggleFullScreen(*this); break;
    case ShortcutItem::SaveAs: ShortcutCommands::saveCopyAs(*this); break;
    case 18: wenjian1_Click(FileMenu::Exit); break;
    default: break;
    }
}

void MainForm::wenjian1_Click(int Index)
{
    switch (Index) {
    case FileMenu::PlayFiles: case FileMenu::AddFiles: FileMenu::playOrAddFiles(*this, Index); break;
    case FileMenu::SaveList: baocunliebiao(); break;
    case FileMenu::Exit: formUnload(); break;
    default: break;
    }
}

void MainForm::yanshihuoqu(MediaPlayer& player)
{
    PlayerWait::openWait(*this, player);
}

void MainForm::popupShortcutMenu()
{
    if (showShortcutMenu)
        showShortcutMenu();
}

void MainForm::rengong_kongzhi(int shu)
{
    manualControl_.rengong_kongzhi(shu);
}

void MainForm::readStartupVolume()
{
    manualControl_.readStartupVolume();
}

void MainForm::xuan_Click(int Index)
{
    toggles_.xuan_Click(Index);
}

void MainForm::yinping1_Click(int Index)
{
    audioMenu_.yinping1_Click(Index);
}

void MainForm::yinliang1_Click(int Index)
{
    audioMenu_.yinliang1_Click(Index);
}

void MainForm::chooseStartPictureControl()
{
    startPictures_.chooseStartPictureControl();
}

void MainForm::fittedPlacement()
{
    picturePlacement_.fittedPlacement();
}

void MainForm::windowHeightRule()
{
    picturePlacement_.windowHeightRule();
}

void MainForm::zoomPlacement()
{
    picturePlacement_.zoomPlacement();
}

void MainForm::buildPictureMenus()
{
    PictureMenus::build(*this);
}

void MainForm::kaishihuamian()
{
    startPictures_.kaishihuamian();
}

void MainForm::beijing1_Click(int Index)
{
    backgrounds_.beijing1_Click(Index);
}

void MainForm::huamian_Click(int Index)
{
    startPictures_.huamian_Click(Index);
}

void MainForm::zoomCarryOver(double r)
{
    pictureZoom_.carryOver(r);
}

void MainForm::tuxiang1_Click(int Index)
{
    imageMenu_.tuxiang1_Click(Index);
}

void MainForm::bili1_Click(int Index)
{
    imageMenu_.bili1_Click(Index);
}

void MainForm::Image1_DblClick()
{
    pictureMouse_.Image1_DblClick();
}

void MainForm::Image1_MouseDown(int Button, int Shift, double x, double y)
{
    pictureMouse_.Image1_MouseDown(Button, Shift, x, y);
}

void MainForm::Image1_MouseUp(int Button, int Shift, double x, double y)
{
    pictureMouse_.Image1_MouseUp(Button, Shift, x, y);
}

void MainForm::Image1_MouseMove(int Button, int Shift, double x, double y)
{
    pictureMouse_.Image1_MouseMove(Button, Shift, x, y);
}

void MainForm::popupImageMenu()
{
    refreshImageMenu();
    if (showImageMenu)
        showImageMenu();
}

void MainForm::refreshImageMenu()
{
    imageMenu_.refreshStates();
}

void MainForm::chengxutuxiang(const QString& text)
{
    skinPainter.chengxutuxiang(text);
}

void MainForm::hoverReset()
{
    menuBar.hideHighlight();
    sliderPanel.hoverReset();
}

void MainForm::loadTrackSkins()
{
    sliderPanel.loadTrackSkins();
}

void MainForm::bangzhu1_Click(int Index)
{
    helpMenu.bangzhu1_Click(Index);
}
