#pragma once

#include "core/dispatcher.h"
#include "core/display_refresh.h"
#include "core/start_up.h"
#include "core/form1.h"
#include "options/options_file.h"
#include "options/options_menu.h"
#include "playlist/list_saver.h"
#include "playlist/list_writer.h"
#include "playlist/playlist_sorter.h"

// The application's hub: routes each operation of the main window to the
// feature that implements it.
class MainForm : public Form1 {
public:
    explicit MainForm(const Form1Controls& controls);

    void shijian2() override;
    void write_liebiao(const QString& xiang, const QString& aa) override;
    // Until playing an entry is built, a click only makes it the current one
    // (and ends a drop, as playing does).
    void liebiao_Click(int Index) override;
    void paixu1_Click(int Index) override;
    void xuanxiang1_Click(int Index) override;
    void xunhuan1_Click(int Index) override;
    void cunchuxuanxiang() override;
    void duquxuanxiang() override;
    void baocunliebiao() override;

    // What the program was started with; read by the start sequence.
    void setCommandLine(const QStringList& arguments, const QString& workingDir);
    void formLoad();
    void formUnload();
    void dropFiles(const QStringList& paths);
    void shijian1() override;
    void shijian5() override;
    void unloadSplash() override;
    void endProgram() override;
    // Set by the window: closing the splash, and ending the program.
    std::function<void()> closeSplash;
    std::function<void()> quit;

private:
    DisplayRefresh displayRefresh_;
    StartUp startUp_;
    Dispatcher dispatcher_;
    ListWriter listWriter_;
    PlaylistSorter sorter_;
    ListSaver listSaver_;
    OptionsMenu optionsMenu_;
    OptionsFile optionsFile_;
};
