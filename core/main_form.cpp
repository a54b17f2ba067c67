#include "core/main_form.h"

#include "playlist/playlist_entries.h"

MainForm::MainForm(const Form1Controls& controls)
    : Form1(controls), displayRefresh_(*this), startUp_(*this), dispatcher_(*this),
      listWriter_(*this), sorter_(*this), listSaver_(*this), optionsMenu_(*this),
      optionsFile_(*this)
{
    QObject::connect(&Timer1, &QTimer::timeout, &Timer1, [this] { dispatcher_.tick(); });
    QObject::connect(&Timer_end, &QTimer::timeout, &Timer_end, [this] { startUp_.timerEnd(); });
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
    if (liebiao.contains(Index))
        PlaylistEntries::checkOnly(*this, Index);
    state.tuofang.clear();
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
