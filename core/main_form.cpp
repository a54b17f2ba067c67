#include "core/main_form.h"

#include "playlist/playlist_entries.h"

MainForm::MainForm(const Form1Controls& controls)
    : Form1(controls), displayRefresh_(*this), listWriter_(*this), sorter_(*this),
      listSaver_(*this), optionsMenu_(*this), optionsFile_(*this)
{
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
