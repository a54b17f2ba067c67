#pragma once

#include <QString>
#include <QStringList>

class Dialogs;
class MenuArray;
struct Form1State;
template <typename Signature>
class Operation;

// The parts of the window opening files asks with and writes the list through.
struct FileMenuParts {
    Dialogs*& dialogs;
    const MenuArray& wenjian1;
    const MenuArray& liebiao;
    const Form1State& state;
    Operation<void(const QString& xiang, const QString& aa)>& write_liebiao;
    Operation<void(int Index)>& liebiao_Click;
};

// File ▸ "播放文件(&O)" and "增加文件(&Z)": the open-file dialog, then the
// chosen files (list files expanded) replace the list and play, or are added.
namespace FileMenu {

inline constexpr int PlayFiles = 0;
inline constexpr int AddFiles = 2;
inline constexpr int PlayFolder = 4; // opens bofangmulu
inline constexpr int AddFolder = 6;  // opens zunjiamulu
inline constexpr int PlayDisc = 8;
inline constexpr int SaveList = 10;
inline constexpr int OpenTray = 14;
inline constexpr int CloseTray = 15;
inline constexpr int Exit = 17;

// The list text of the chosen files; a ".qmx" file gives its lines.
QString listText(const QStringList& files);

void playOrAddFiles(const FileMenuParts& parts, int Index);

} // namespace FileMenu
