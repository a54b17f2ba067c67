#pragma once

#include <QString>

// The words the window's flags hold while set; a clear flag is "".
namespace Flag {
inline const QString OpeningEntry = QStringLiteral("是");    // opening_entry
inline const QString MediaError = QStringLiteral("错误");    // media_error
inline const QString MediaEnded = QStringLiteral("结束");    // media_ended
inline const QString Closing = QStringLiteral("关闭");       // closing
inline const QString StartPending = QStringLiteral("开始");  // start_pending
inline const QString Dropping = QStringLiteral("拖放");      // tuofang
inline const QString Selected = QStringLiteral("已选择");    // slider-panel switches
inline const QString Dragging = QStringLiteral("开始");      // knob_drag, drag_state
inline const QString Cancelled = QStringLiteral("取消");     // scan_cancel, chosen_folder
} // namespace Flag

// How write_liebiao takes a list text.
namespace ListWrite {
inline const QString Replace = QStringLiteral("替换写入");
inline const QString Append = QStringLiteral("增加写入");
} // namespace ListWrite

// Mouse buttons as the handlers receive them.
namespace MouseButton {
inline constexpr int Left = 1;
inline constexpr int Right = 2;
inline constexpr int Middle = 4;
} // namespace MouseButton
