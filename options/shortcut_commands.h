#pragma once

#include <QString>

class Form1;

// The shortcut menu's own commands: full screen on and off for a video,
// and saving a copy of the medium shown or played last.
namespace ShortcutCommands {

// "全屏幕(&Q)" / "恢复视窗(&Q)": only while a video is shown.
void toggleFullScreen(Form1& form);

// "…另存为(&L)...": asks where to save a copy of lincunwei_weijian_mingcheng
// (proposing "复件 " + its name) and copies it there.
void saveCopyAs(Form1& form);

// The save dialog's filter for a file name: the kind of file named by the
// menu caption's first four characters, and the name's suffix.
QString copyFilter(const QString& caption, const QString& fileName);

// Copies source to target, replacing target only once the copy is whole.
// Copying a file onto itself does nothing.
bool copyReplacing(const QString& source, const QString& target);

} // namespace ShortcutCommands
