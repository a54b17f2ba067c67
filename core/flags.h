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
} // namespace Flag
