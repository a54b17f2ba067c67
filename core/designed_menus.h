#pragma once

#include "core/menu_array.h"

// The shortcut menu kuaijiecaidan1 as designed (index 17 does not exist).
MenuArray designedShortcutMenu();

namespace ShortcutItem {
inline constexpr int FullScreen = 14;
inline constexpr int SaveAs = 15;
} // namespace ShortcutItem
