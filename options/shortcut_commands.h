#pragma once

#include <QString>

class Dialogs;
class MediaPlayer;
class MenuArray;
struct Form1State;

// The shortcut menu's own commands: full screen on and off for a video,
// and saving a copy of the medium shown or played last.
namespace ShortcutCommands {

// "全屏幕(&Q)" / "恢复视窗(&Q)": only while a video is shown.
void toggleFullScreen(const Form1State& state, MenuArray& kuaijiecaidan1, MediaPlayer& WindowsMediaPlayer1);

// "…另存为(&L)...": asks where to save a copy of lincunwei_weijian_mingcheng
// (proposing "复件 " + its name) and copies it there.
void saveCopyAs(const Form1State& state, Dialogs* dialogs, const MenuArray& kuaijiecaidan1,
                MediaPlayer& WindowsMediaPlayer1);

// The save dialog's filter for a file name: the kind of file named by the
// menu caption's first four characters, and the name's suffix.
QString copyFilter(const QString& caption, const QString& fileName);

// Copies source to target, replacing target only once the copy is whole.
// Copying a file onto itself does nothing.
bool copyReplacing(const QString& source, const QString& target);

} // namespace ShortcutCommands
