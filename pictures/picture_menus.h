#pragma once

#include "core/folder_path.h"

#include <QString>
#include <QStringList>
#include <functional>

class MenuArray;

// The Options submenus of start pictures (huamian) and backgrounds
// (beijing1), one item per file of their folders, and the choices in them.
namespace PictureMenus {

inline const QString kStartPictureDir = QStringLiteral("开始画面/");
inline const QString kBackgroundDir = QStringLiteral("背景图/");

// The ordinary (not hidden) files of a folder, sorted by character codes:
// upper case before lower case.
QStringList fileNames(const QString& dir);

// Fills both menus, start pictures first. An empty start-picture folder
// leaves "画面1" disabled; an empty background folder leaves "背景图01".
void build(MenuArray& huamian, MenuArray& beijing1, const ProgramPathOf& programPath);

// Checks item `index` and unchecks every other.
void checkOnly(MenuArray& menu, int index);

// The items tried for a choice: the chosen one first, then the others in
// order, wrapping around once.
QList<int> wrappedFrom(const MenuArray& menu, int index);

} // namespace PictureMenus
