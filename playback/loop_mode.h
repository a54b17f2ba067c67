#pragma once

class MenuArray;

// The loop modes of Options ▸ 循环播放(&X): items of xunhuan1.
namespace LoopMode {

inline constexpr int All = 0;    // "全部(&Q)"
inline constexpr int RepeatOne = 1; // "单首(&D)"
inline constexpr int None = 2;   // "禁止(&J)"

bool isChecked(const MenuArray& xunhuan1, int mode);
// The first checked loop item, -1 when none is.
int current(const MenuArray& xunhuan1);
// "全部循环时禁止播放图片(&J)" is checked in the Options menu.
bool noPicturesInLoopAll(const MenuArray& xuanxiang1);

} // namespace LoopMode
