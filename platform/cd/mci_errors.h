#pragma once

#include <QString>

// The texts of the CD device's failures (its lastError()), in one place:
// several of its files give the same one.
namespace MciError {

inline const QString kNotOpen = QStringLiteral("指定的设备未打开,或不被 MCI 所识别。");
inline const QString kUnknownCommand = QStringLiteral("驱动程序无法识别指定的命令。");
inline const QString kOutOfRange = QStringLiteral("指定的参数值超出范围。");
inline const QString kNotReady = QStringLiteral("设备没有就绪。");
inline const QString kAliasInUse = QStringLiteral("指定的别名已被使用。");
inline const QString kCannotOpen = QStringLiteral("无法打开指定的光驱或光盘映像。");
inline const QString kTrayStuck = QStringLiteral("光驱的托盘没有动。");
inline const QString kNoSound = QStringLiteral("没有可用的声音输出。");

} // namespace MciError
