#pragma once

class Form1;

// The loop modes of Options ▸ 循环播放(&X): items of xunhuan1.
namespace LoopMode {

inline constexpr int All = 0;    // "全部(&Q)"
inline constexpr int RepeatOne = 1; // "单首(&D)"
inline constexpr int None = 2;   // "禁止(&J)"

bool isChecked(const Form1& form, int mode);
// The first checked loop item, -1 when none is.
int current(const Form1& form);
// "全部循环时禁止播放图片(&J)" is checked.
bool noPicturesInLoopAll(const Form1& form);

} // namespace LoopMode
