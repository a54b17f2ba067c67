#pragma once

#include <QString>

// The pieces of the status line.
namespace StatusTexts {

// The state word of the main player's playState, blanks included.
QString playerState(int playState);
// The effective rate ("0.00" followed by 倍速), padded with blanks on the
// left to eight characters, and one blank after it.
QString speed(double sudu_shu, bool times10);
// "( " + the whole percentage of the shown width to the natural width + "%)";
// empty when the natural width is 0.
QString zoom(double shownWidth, double naturalWidth);
// "--第3首/总12首"; empty when no entry is checked (checkedIndex -1).
QString entryCounter(int checkedIndex, int count);
// Blanks between the left part and the times, from the window's outer width.
QString padding(double outerWidthTwips);

inline const QString Playing = QStringLiteral("正在播放...");
inline const QString Paused = QStringLiteral(" 暂停播放  ");
inline const QString Stopped = QStringLiteral(" 停止播放  ");
inline const QString Ready = QStringLiteral(" 准备就绪  ");
inline const QString ShowingPicture = QStringLiteral(" 显示图片");
inline const QString ZoomingPicture = QStringLiteral(" 缩放图片");

} // namespace StatusTexts
