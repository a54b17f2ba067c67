#pragma once

#include "core/flags.h"

#include <QString>
#include <QStringList>
#include <optional>

class Dialogs;
class LabelControl;
class MediaPlayer;
class MenuArray;
class QTimer;
struct Form1State;
template <typename Signature>
class Operation;

// The parts of the window a folder scan asks with, shows its progress on
// and writes the list through.
struct FolderScanParts {
    Form1State& state;
    Dialogs*& dialogs;
    QTimer& Timer1;
    LabelControl& ditiao;
    MediaPlayer& WindowsMediaPlayer1;
    const MenuArray& liebiao;
    const MenuArray& bofangmulu;
    Operation<void(const QString& xiang, const QString& aa)>& write_liebiao;
    Operation<void(int Index)>& liebiao_Click;
};

// Playing and adding a folder: ask for the folder, walk it with a
// progress line the Esc key can cancel, keep the files the type filter
// takes and expand the list files among them.
namespace FolderScan {

// File ▸ 播放目录 filter Index: replaces the list and plays its first entry.
void bofangmulu_Click(const FolderScanParts& parts, int Index);
// File ▸ 增加目录 filter Index: appends to the list.
void zunjiamulu_Click(const FolderScanParts& parts, int Index);
// Shortcut menu ▸ 播放目录: leaves full screen first.
void kuaijie_mulu_Click(const FolderScanParts& parts, int Index);

// The list text of the matching files; empty when the custom suffix box was
// left empty, the folder dialog or the walk was cancelled, or nothing matched.
QString fenxiangxuanzewenjian(const FolderScanParts& parts, int p, const QString& xiang);

// The folder dialog, opening at the current entry's folder; the chosen
// folder, or empty (and chosen_folder "取消") when cancelled.
QString liunanmulu(const FolderScanParts& parts, const QString& biaoti);

// Walks the folder with the progress line on the status line and Timer1
// held; nothing when Esc set scan_cancel.
std::optional<QStringList> muluwenjianmingcheng(const FolderScanParts& parts, const QString& mingcheng);

inline const QString& kCancelled = Flag::Cancelled;

} // namespace FolderScan
