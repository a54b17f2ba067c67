#pragma once

#include <QString>

// The playlist a mounted disc gives: the files of one of its folders.
namespace DiscFolders {

// The folder of that name directly under root, in whatever case the
// mount shows it (MPEGAV or mpegav); empty when there is none.
QString find(const QString& root, const QString& name);

// The folder's normal files whose names end in suffix (any case), in the
// order the file system lists them, as a list text: each full path ended
// by CR. Empty when none.
QString listText(const QString& folder, const QString& suffix);

} // namespace DiscFolders
