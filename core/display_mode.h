#pragma once

#include <QString>

// The six display modes. The values are the words the window keeps in
// display_mode and compares exactly.
namespace DisplayMode {
inline const QString Idle = QStringLiteral("全部关闭,image1或WindowsMediaPlayer2显示开始画面");
inline const QString Picture = QStringLiteral("其他关闭,image1显示列表画面");
inline const QString Zoom = QStringLiteral("其他关闭,image1显示缩放画面");
inline const QString Video = QStringLiteral("WindowsMediaPlayer1打开,WindowsMediaPlayer1显示画面");
inline const QString Audio = QStringLiteral("WindowsMediaPlayer1打开,image1或WindowsMediaPlayer2显示开始画面");
inline const QString Cd = QStringLiteral("播放CD打开,image1或WindowsMediaPlayer2显示开始画面");

// Idle, audio and CD show the start picture in the content area.
inline bool isStartPictureMode(const QString& mode)
{
    return mode == Idle || mode == Audio || mode == Cd;
}
} // namespace DisplayMode
