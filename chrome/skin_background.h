#pragma once

#include "platform/twips.h"

#include <QList>
#include <QString>

class MenuArray;
class QImage;
class QPainter;

// The window's background: the checked background picture either stretched
// over the client area or, for a ".wzh" frame, painted in nine parts whose
// corners keep their size. The source is taken as 12000 x 9000 twips.
struct FramePart {
    TwipsRect destination;
    TwipsRect source;
};

inline constexpr double kBackgroundWidth = 12000;
inline constexpr double kBackgroundHeight = 9000;

// The last four characters of the caption of the checked background item
// (the highest index when several are checked), or "" when none is.
QString checkedBackgroundSuffix(const MenuArray& backgrounds);

// The nine parts of a frame for a W x H client area. Parts whose
// destination has no width or height (small windows) are left out.
QList<FramePart> ninePartFrame(double width, double height);

// Paints `picture` for a W x H client area: framed when `suffix` is exactly
// ".wzh", stretched otherwise. An empty picture paints nothing.
void paintBackground(QPainter& painter, const QImage& picture, const QString& suffix,
                     double width, double height);
