#pragma once

#include "core/flags.h"

#include <QString>
#include <QStringList>
#include <optional>

class Form1;

// Playing and adding a folder: ask for the folder, walk it with a
// progress line the Esc key can cancel, keep the files the type filter
// takes and expand the list files among them.
namespace FolderScan {

// File ▸ 播放目录 filter Index: replaces the list and plays its first entry.
void bofangmulu_Click(Form1& form, int Index);
// File ▸ 增加目录 filter Index: appends to the list.
void zunjiamulu_Click(Form1& form, int Index);
// Shortcut menu ▸ 播放目录: leaves full screen first.
void kuaijie_mulu_Click(Form1& form, int Index);

// The list text of the matching files; empty when the custom suffix box was
// left empty, the folder dialog or the walk was cancelled, or nothing matched.
QString fenxiangxuanzewenjian(Form1& form, int p, const QString& xiang);

// The folder dialog, opening at the current entry's folder; the chosen
// folder, or empty (and chosen_folder "取消") when cancelled.
QString liunanmulu(Form1& form, const QString& biaoti);

// Walks the folder with the progress line on the status line and Timer1
// held; nothing when Esc set scan_cancel.
std::optional<QStringList> muluwenjianmingcheng(Form1& form, const QString& mingcheng);

inline const QString& kCancelled = Flag::Cancelled;

} // namespace FolderScan
