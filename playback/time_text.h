#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// Times of the status line, written hh:mm:ss with two digits each.
namespace TimeText {

inline const QString Zero = QStringLiteral("00:00:00");

// Seconds as hh:mm:ss (whole hours, minutes, seconds); none when a part
// needs more than two digits (100 hours or more) or the time is negative.
std::optional<QString> hms(double seconds);

// hh * 3600 + mm * 60 + ss of a text laid out as hh:mm:ss (characters 1-2,
// 4-5, 7-8, each read by its leading number).
double seconds(QStringView text);

} // namespace TimeText
