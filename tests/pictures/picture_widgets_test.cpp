// The frame and picture on screen, and mouse input on the picture.
#include "picture_fixture.h"

#include "core/display_mode.h"
#include "pictures/window/picture_input.h"
#include "pictures/window/picture_view.h"

#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A parent that counts the mouse events that reach it.
class CountingWidget : public QWidget {
public:
    int mouseEvents = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++mouseEvents; }
    void mouseReleaseEvent(QMouseEvent*) override { ++mouseEvents; }
};

// Records what the picture's handlers are given.
class InputForm : public PictureForm {
public:
    explicit InputForm(const Form1Controls& controls) : PictureForm(controls)
    {
        Image1_MouseDown = [this](int b, int s, double x, double y) { record("down", b, s, x, y); };
        Image1_MouseUp = [this](int b, int s, double x, double y) { record("up", b, s, x, y); };
        Image1_MouseMove = [this](int b, int s, double x, double y) { record("move", b, s, x, y); };
        Image1_DblClick = [this] { events << "dblclick"; };
    }
    void record(const QString& what, int b, int s, double x, double y)
    {
        events << QString("%1 %2 %3 %4 %5").arg(what).arg(b).arg(s).arg(x).arg(y);
        if (what == "down") {
            Image1Pointer.MousePointer = MousePointerState::Custom;
            Image1Pointer.MouseIcon = QImage(32, 32, QImage::Format_ARGB32);
            Image1Pointer.MouseIcon.fill(Qt::red);
        }
    }
    QStringList events;
};

struct WidgetTest : ::testing::Test {
    WidgetTest()
    {
        window.resize(800, 600);
        frame = new QWidget(&window);
        view = new PictureView(frame);
        frameControl = std::make_unique<PictureFrameControl>(frame);
        imageControl = std::make_unique<PictureViewControl>(view, *frameControl);
        window.show();
    }
    // Frame and picture in twips, as the layout sets them.
    void place(TwipsRect r)
    {
        frameControl->setPlace(r);
        imageControl->setPlace({0, 0, r.width, r.height});
    }

    CountingWidget window;
    QWidget* frame = nullptr;
    PictureView* view = nullptr;
    std::unique_ptr<PictureFrameControl> frameControl;
    std::unique_ptr<PictureViewControl> imageControl;
};

TEST_F(WidgetTest, AFittedFrameIsPlacedAsItIs)
{
    place({1500, 3000, 6000, 4500});
    EXPECT_EQ(frame->geometry(), QRect(100, 200, 400, 300));
    EXPECT_EQ(view->geometry(), QRect(0, 0, 400, 300));
    EXPECT_EQ(view->target(), QRectF(0, 0, 400, 300));
}

// Zoomed far beyond what a widget can be: the widgets cover the window,
// the picture's corner lies far outside.
TEST_F(WidgetTest, AHugeFrameCoversOnlyTheWindow)
{
    place({-1.5e13, -3e12, 3e13, 3e13});
    EXPECT_EQ(frame->geometry(), QRect(0, 0, 800, 600));
    EXPECT_EQ(view->geometry(), QRect(0, 0, 800, 600));
    EXPECT_EQ(view->target(), QRectF(-1e12, -2e11, 2e12, 2e12));

    window.resize(1000, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame->geometry(), QRect(0, 0, 1000, 700));
    EXPECT_EQ(view->geometry(), QRect(0, 0, 1000, 700));
}

TEST_F(WidgetTest, AFrameOutsideTheWindowIsHidden)
{
    place({30000, 0, 6000, 4500});
    EXPECT_FALSE(frame->isVisible());
    frameControl->setVisible(true);
    place({0, 0, 6000, 4500});
    EXPECT_TRUE(frame->isVisible());
    frameControl->setVisible(false);
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(WidgetTest, ThePictureIsShown)
{
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    imageControl->setPicture(red);
    place({0, 0, 6000, 4500});
    const QImage shown = view->grab().toImage();
    EXPECT_EQ(shown.pixelColor(200, 150), QColor(Qt::red));
}

TEST_F(WidgetTest, MouseInputReachesTheHandlersInTwipsWithinImage1)
{
    PlainControls<> c;
    InputForm form{c.controls()};
    new PictureInput(view, form);
    place({-1500, -3000, 60000, 45000}); // the picture's corner 100, 200 px outside

    QTest::mousePress(view, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 20));
    QTest::mouseRelease(view, Qt::RightButton, Qt::ControlModifier, QPoint(10, 20));
    QTest::mouseDClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(1, 2));
    EXPECT_EQ(form.events.first(), "down 1 1 1650 3300");
    EXPECT_TRUE(form.events.contains("up 2 2 1650 3300"));
    EXPECT_TRUE(form.events.contains("dblclick"));
    EXPECT_EQ(window.mouseEvents, 0); // the window behind does not pop up its menu
    EXPECT_EQ(view->cursor().shape(), Qt::BitmapCursor);

    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), view->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
    EXPECT_EQ(form.events.last(), "move 1 0 1575 3075");
}

TEST(ButtonCodesTest, WindowCodes)
{
    EXPECT_EQ(buttonCode(Qt::LeftButton), 1);
    EXPECT_EQ(buttonCode(Qt::RightButton), 2);
    EXPECT_EQ(buttonCode(Qt::MiddleButton), 4);
    EXPECT_EQ(buttonCode(Qt::LeftButton | Qt::RightButton), 3);
    EXPECT_EQ(shiftCode(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(shiftCode(Qt::ControlModifier), 2);
}

} // namespace
