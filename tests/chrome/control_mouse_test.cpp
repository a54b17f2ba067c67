#include "chrome/control_mouse.h"

#include <gtest/gtest.h>

namespace {

using E = ControlMouse::Event;

struct Step {
    QEvent::Type type;
    Qt::MouseButton button;
    bool inside = true;
};

constexpr auto Press = QEvent::MouseButtonPress;
constexpr auto Release = QEvent::MouseButtonRelease;
constexpr auto Double = QEvent::MouseButtonDblClick;

QList<E> raised(const QList<Step>& steps)
{
    ControlMouse mouse;
    QList<E> events;
    for (const Step& s : steps)
        events += mouse.events(s.type, s.button, s.inside);
    return events;
}

} // namespace

TEST(ControlMouse, RaisesTheControlsEventsFromTheToolkits)
{
    struct Case {
        const char* what;
        QList<Step> steps;
        QList<E> events;
    };
    const Qt::MouseButton L = Qt::LeftButton, R = Qt::RightButton;
    const Case cases[] = {
        {"click", {{Press, L}, {Release, L}}, {E::MouseDown, E::MouseUp, E::Click}},
        {"double click",
         {{Press, L}, {Release, L}, {Double, L}, {Release, L}},
         {E::MouseDown, E::MouseUp, E::Click, E::DblClick, E::MouseUp}},
        {"triple click",
         {{Press, L}, {Release, L}, {Double, L}, {Release, L}, {Press, L}, {Release, L}},
         {E::MouseDown, E::MouseUp, E::Click, E::DblClick, E::MouseUp, E::MouseDown, E::MouseUp,
          E::Click}},
        {"two double clicks",
         {{Press, L}, {Release, L}, {Double, L}, {Release, L}, {Press, L}, {Release, L}, {Double, L},
          {Release, L}},
         {E::MouseDown, E::MouseUp, E::Click, E::DblClick, E::MouseUp, E::MouseDown, E::MouseUp,
          E::Click, E::DblClick, E::MouseUp}},
        {"released outside", {{Press, L}, {Release, L, false}}, {E::MouseDown, E::MouseUp}},
        {"right click", {{Press, R}, {Release, R}}, {E::MouseDown, E::MouseUp}},
        {"right double click",
         {{Press, R}, {Release, R}, {Double, R}, {Release, R}},
         {E::MouseDown, E::MouseUp, E::MouseDown, E::MouseUp}},
        {"move", {{QEvent::MouseMove, Qt::NoButton}}, {E::MouseMove}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(raised(c.steps), c.events) << c.what;
}
