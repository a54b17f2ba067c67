#include "panel_fixture.h"

#include "chrome/window/panel_card.h"
#include "chrome/window/panel_piece.h"
#include "chrome/window/slider_panel_view.h"
#include "core/flags.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct ViewFixture : PanelFixture {
    ViewFixture()
    {
        mainWindow.resize(800, 560);
        form.sliderPanel.showDesignedPictures();
        mainWindow.show();
    }
    QWidget mainWindow;
    SliderPanelView view{form, form.sliderPanel, &mainWindow};
};

void send(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, w->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

// The mouse events a widget gets, by type.
struct EventLog : QObject {
    explicit EventLog(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() >= QEvent::MouseButtonPress && event->type() <= QEvent::MouseButtonDblClick)
            types << event->type();
        return false;
    }
    QList<QEvent::Type> types;
};

// A double click as the window system gives it: two presses and releases
// in quick succession on the window, which Qt turns into a double click.
QList<QEvent::Type> doubleClick(QWidget* w)
{
    EventLog log(w);
    QWidget* window = w->window();
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
                       w->mapTo(window, w->rect().center()));
    QCoreApplication::processEvents();
    return log.types;
}

const QList<QEvent::Type> kDoubleClick = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                          QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease};

QAccessibleInterface* accessible(QWidget* w)
{
    return QAccessible::queryAccessibleInterface(w);
}

} // namespace

TEST(SliderPanelView, WidgetsSitWhereTheirControlsAre)
{
    ViewFixture f;
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(f.view.track(i)->geometry(), f.form.jingdutiao[i].place().toPixels()) << i;
    EXPECT_EQ(f.view.toggle(2)->geometry(), f.form.xuan[2].place().toPixels());
    EXPECT_EQ(f.view.stepButton(1)->geometry(), f.form.shang_xia[1].place().toPixels());
    f.form.state.shengyin_shu = 32767;
    f.form.chengxutuxiang(QString());
    EXPECT_EQ(f.view.knob(0)->y(), qRound(PanelFixture::kTrackBottom / 15));
    EXPECT_TRUE(f.view.knob(0)->isVisible());
}

TEST(SliderPanelView, DraggingAKnobWithTheMouseChangesItsValue)
{
    ViewFixture f;
    f.form.state.shengyin_shu = 0;
    f.form.chengxutuxiang(QString());
    PanelPiece* knob = f.view.knob(0);
    send(knob, QEvent::MouseButtonPress, {12, 6}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(f.form.state.knob_grab[0], 90);
    send(knob, QEvent::MouseMove, {12, 6 + 40}, Qt::NoButton, Qt::LeftButton);
    send(knob, QEvent::MouseButtonRelease, {12, 6}, Qt::LeftButton, Qt::NoButton);
    const double r = 600 / (PanelFixture::kTrackBottom - PanelFixture::kTrackTop);
    EXPECT_NEAR(f.form.state.shengyin_shu, r * 32767, 1e-6);
    EXPECT_TRUE(f.view.tip()->isVisible());
    EXPECT_EQ(f.view.tip()->text(), f.form.xianshi_wenben.caption());
}

TEST(SliderPanelView, ClicksReachTogglesStepButtonsAndTheShortcutMenu)
{
    ViewFixture f;
    f.playSound(100);
    int popups = 0;
    f.form.showShortcutMenu.connect(qApp, [&] { ++popups; });
    send(f.view.toggle(2), QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    send(f.view.toggle(2), QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(f.form.state.speed_x10_state, Flag::Selected);
    send(f.view.stepButton(1), QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(f.form.Timer3.isActive());
    send(f.view.stepButton(1), QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(f.form.Timer3.isActive());
    EXPECT_EQ(f.form.state.position_ms, 1000);
    send(f.view.track(5), QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(popups, 1);
}

TEST(SliderPanelView, ADoubleClickSwitchesAToggleOnce)
{
    for (int i : {0, 2}) {
        ViewFixture f;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.mainWindow));
        const QString& state = i == 0 ? f.form.state.mute_state : f.form.state.speed_x10_state;
        EXPECT_EQ(doubleClick(f.view.toggle(i)), kDoubleClick);
        EXPECT_EQ(state, Flag::Selected) << i;
        EXPECT_TRUE(accessible(f.view.toggle(i))->state().checked) << i;
        doubleClick(f.view.toggle(i));
        EXPECT_EQ(state, QString()) << i;
    }
}

TEST(SliderPanelView, ADoubleClickOnAStepButtonStepsOnce)
{
    ViewFixture f;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.mainWindow));
    // The window keeps its height when a step refreshes the display, so the
    // second press lands on the button again.
    f.form.state.standard_height = f.window.height();
    f.playSound(100);
    f.form.state.position_ms = 50000;
    EXPECT_EQ(doubleClick(f.view.stepButton(1)), kDoubleClick);
    EXPECT_NEAR(*f.player1.currentPosition(), 51, 1e-9);
    EXPECT_FALSE(f.form.Timer3.isActive());
    doubleClick(f.view.stepButton(0));
    EXPECT_NEAR(*f.player1.currentPosition(), 50, 1e-9);
    EXPECT_EQ(f.form.state.step_direction, QString());
}

TEST(SliderPanelView, ADoubleClickOnTheBalanceKnobCentresIt)
{
    ViewFixture f;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.mainWindow));
    f.form.state.balance_step = 4;
    f.form.chengxutuxiang(QString());
    EXPECT_EQ(doubleClick(f.view.knob(3)), kDoubleClick);
    EXPECT_EQ(f.form.state.balance_step, 0);
    EXPECT_EQ(f.form.state.knob_drag[3], QString());
}

TEST(PanelAccessibility, KnobsHaveNamesAndReadableValues)
{
    ViewFixture f;
    f.form.state.shengyin_shu = 32767 / 2.0;
    f.form.state.balance_step = -5;
    f.form.chengxutuxiang(QString());
    struct Case {
        int knob;
        QString name;
        QString value;
    };
    const Case cases[] = {{0, "声音", "声音 50%"}, {1, "速度", "1.00倍速"}, {2, "进度", ""},
                          {3, "平衡", "平衡 -100%"}};
    for (const Case& c : cases) {
        QAccessibleInterface* knob = accessible(f.view.knob(c.knob));
        ASSERT_NE(knob, nullptr);
        EXPECT_EQ(knob->role(), QAccessible::Slider);
        EXPECT_EQ(knob->text(QAccessible::Name), c.name);
        EXPECT_EQ(knob->text(QAccessible::Value), c.value) << c.knob;
        ASSERT_NE(knob->valueInterface(), nullptr);
    }
    EXPECT_DOUBLE_EQ(accessible(f.view.knob(0))->valueInterface()->currentValue().toDouble(), 50);
}

TEST(PanelAccessibility, AScreenReaderCanMoveAKnob)
{
    ViewFixture f;
    f.playSound(100);
    QAccessibleInterface* progress = accessible(f.view.knob(2));
    progress->valueInterface()->setCurrentValue(40);
    EXPECT_NEAR(*f.player1.currentPosition(), 40, 1e-9);
    QAccessibleInterface* speed = accessible(f.view.knob(1));
    speed->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    EXPECT_NEAR(f.form.state.sudu_shu, 150, 1e-9);
    EXPECT_EQ(speed->text(QAccessible::Value), "1.50倍速");
}

TEST(PanelAccessibility, TogglesReportCheckedAndPressLikeAClick)
{
    ViewFixture f;
    const QStringList names = {"静音", "变速", "×10"};
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface* toggle = accessible(f.view.toggle(i));
        EXPECT_EQ(toggle->role(), QAccessible::CheckBox);
        EXPECT_EQ(toggle->text(QAccessible::Name), names[i]);
        EXPECT_TRUE(toggle->state().checkable);
        EXPECT_FALSE(toggle->state().checked);
    }
    QAccessibleInterface* x10 = accessible(f.view.toggle(2));
    x10->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(x10->state().checked);
    x10->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(x10->state().checked);
}

TEST(PanelAccessibility, StepButtonsPressOneStep)
{
    ViewFixture f;
    f.playSound(100);
    f.form.state.position_ms = 50000;
    QAccessibleInterface* back = accessible(f.view.stepButton(0));
    QAccessibleInterface* forward = accessible(f.view.stepButton(1));
    EXPECT_EQ(back->text(QAccessible::Name), "后退一步");
    EXPECT_EQ(forward->text(QAccessible::Name), "前进一步");
    EXPECT_EQ(forward->role(), QAccessible::Button);
    forward->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_NEAR(*f.player1.currentPosition(), 51, 1e-9);
    EXPECT_FALSE(f.form.Timer3.isActive());
    EXPECT_EQ(f.form.state.step_direction, QString());
}

// The card holds the whole panel, keeps clear of the content area (whose
// right edge is W - 1720) and does not follow the knobs.
TEST(PanelCard, HoldsThePanelBesideTheContentArea)
{
    PanelFixture f;
    const TwipsRect card = PanelCard::around(f.form);
    EXPECT_GT(card.left, 12000 - 1720);
    EXPECT_LE(card.top, f.form.Lab_biaoji.top());
    EXPECT_GE(card.top + card.height, f.form.Label3.top() + f.form.Label3.height());
    for (const PanelImage& knob : f.form.huakuai)
        EXPECT_GE(card.left + card.width, knob.left() + knob.width());
    f.form.state.shengyin_shu = 32767;
    f.form.state.balance_step = 5;
    f.form.chengxutuxiang(QString());
    EXPECT_EQ(PanelCard::around(f.form), card);
}
