#pragma once

// Item indices of the Options menu xuanxiang1 and the shortcut menu
// kuaijiecaidan1.
namespace OptionsItem {
inline constexpr int Loop = 0;
inline constexpr int NoPicturesInLoopAll = 1;
inline constexpr int ShowDirectories = 2;
inline constexpr int Background = 5;
inline constexpr int StartPicture = 7;
inline constexpr int RandomStartPicture = 8;
inline constexpr int Toolbar = 10;
inline constexpr int Registration = 11;
} // namespace OptionsItem

// The shortcut menu kuaijiecaidan1: 0 to 5 are the Control menu's transport
// items at the same indices.
namespace ShortcutItem {
inline constexpr int Play = 0;
inline constexpr int Pause = 1;
inline constexpr int Stop = 2;
inline constexpr int Forward = 4;
inline constexpr int Back = 5;
inline constexpr int Previous = 7;
inline constexpr int Next = 8;
inline constexpr int Replay = 9;
inline constexpr int PlayFiles = 11;
inline constexpr int PlayFolder = 12;
inline constexpr int FullScreen = 14;
inline constexpr int SaveAs = 15;
inline constexpr int Exit = 18;
} // namespace ShortcutItem
