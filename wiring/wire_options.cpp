#include "wiring/main_form.h"

#include "options/file_menu.h"
#include "options/shortcut_commands.h"

// The Options menu, the options file, the File and the shortcut menus.
void MainForm::wireOptions()
{
    xuanxiang1_Click = [this](int Index) { optionsMenu_.xuanxiang1_Click(Index); };
    xunhuan1_Click = [this](int Index) { optionsMenu_.xunhuan1_Click(Index); };
    cunchuxuanxiang = [this] { optionsFile_.cunchuxuanxiang(); };
    duquxuanxiang = [this] { optionsFile_.readAtStartup(); };
    kuaijiecaidan1_Click = [this](int Index) { shortcutMenuClick(Index); };
    wenjian1_Click = [this](int Index) { fileMenuClick(Index); };
    popupShortcutMenu = [this] {
        if (showShortcutMenu)
            showShortcutMenu();
    };
}

// The shortcut menu's transport items are the Control menu's.
void MainForm::shortcutMenuClick(int Index)
{
    using namespace ShortcutItem;
    switch (Index) {
    case Play: case Pause: case Stop: case Forward: case Back: kongzhi1_Click(Index); break;
    case Previous: navigation_.previous(); break;
    case Next: navigation_.next(); break;
    case Replay: navigation_.replay(); break;
    case PlayFiles:
        if (WindowsMediaPlayer1.fullScreen())
            WindowsMediaPlayer1.setFullScreen(false);
        wenjian1_Click(FileMenu::PlayFiles);
        break;
    case FullScreen: ShortcutCommands::toggleFullScreen(state, kuaijiecaidan1, WindowsMediaPlayer1); break;
    case SaveAs: ShortcutCommands::saveCopyAs(state, dialogs, kuaijiecaidan1, WindowsMediaPlayer1); break;
    case Exit: wenjian1_Click(FileMenu::Exit); break;
    default: reportUnhandledItem("kuaijiecaidan1", Index); break;
    }
}

void MainForm::fileMenuClick(int Index)
{
    switch (Index) {
    case FileMenu::PlayFiles: case FileMenu::AddFiles: FileMenu::playOrAddFiles(fileMenuParts_, Index); break;
    case FileMenu::SaveList: baocunliebiao(); break;
    // Every exit item is the tray menu's.
    case FileMenu::Exit: qmx_tuopan1_Click(TrayItem::Exit); break;
    default: reportUnhandledItem("wenjian1", Index); break;
    }
}
