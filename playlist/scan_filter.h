#pragma once

#include <QString>

class Dialogs;
class MenuArray;
struct Form1State;

// The questions before a folder scan: the custom suffixes and the folder
// dialog's title. xiang is the command's word, "播放目录" or "增加目录".
namespace ScanFilter {

inline const QString kPrompt = QStringLiteral("  请输入文件后缀(行如  *.dat 或 *.dat;*.mp3;*.jpg)");

// Asks for the custom suffixes, offering the last answer ("*." at first or
// after a cancel), and keeps the answer in custom_suffix. Empty when the
// user cancelled or left the box empty: then nothing is scanned.
QString askCustomSuffix(Form1State& state, Dialogs* dialogs, const QString& xiang);

// xiang, "--", the 播放目录 filter caption, and for the custom filter the
// suffix answer in parentheses.
QString folderDialogTitle(const Form1State& state, const MenuArray& bofangmulu, int filter,
                          const QString& xiang);

} // namespace ScanFilter
