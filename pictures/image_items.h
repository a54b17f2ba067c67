#pragma once

// Item indices of the Image menu tuxiang1 and its percentage submenu bili1.
namespace ImageItem {
inline constexpr int ZoomIn = 0;     // "放大一倍(&F)"
inline constexpr int ZoomOut = 1;    // "缩小一半(&S)"
inline constexpr int ActualSize = 3; // "原始尺寸(&Y)"
inline constexpr int Percent = 5;    // opens bili1
inline constexpr int Normal = 7;     // "恢复正常(&H)"
inline constexpr int CloseAll = 8;   // "关闭一切(&C)"
inline constexpr int PrintPreview = 10;
} // namespace ImageItem

namespace PercentItem {
inline constexpr int Custom = 11; // "自定义"
} // namespace PercentItem
