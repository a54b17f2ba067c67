// The real main window on the test display: the slider panel's pieces and
// knobs show their skin pictures where the layout puts them.
#include "panel_fixture.h"

#include "window/main_window.h"

#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

bool near(QColor seen, QColor wanted)
{
    return qAbs(seen.red() - wanted.red()) < 10 && qAbs(seen.green() - wanted.green()) < 10
           && qAbs(seen.blue() - wanted.blue()) < 10;
}

// The point of the control nearest its centre that no knob covers, at
// least two pixels in from its edges.
std::optional<QPoint> visiblePoint(const PlacedControl& control, const Form1& form)
{
    const QRect r = control.place().toPixels().adjusted(2, 2, -2, -2);
    std::optional<QPoint> best;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QPoint p(x, y);
            bool covered = false;
            for (const PanelImage& knob : form.huakuai)
                covered = covered || knob.place().toPixels().adjusted(-1, -1, 1, 1).contains(p);
            if (!covered && (!best || (p - r.center()).manhattanLength() < (*best - r.center()).manhattanLength()))
                best = p;
        }
    }
    return best;
}

} // namespace

TEST(SliderPanelOnScreen, PiecesAndKnobsAreDrawnWhereTheLayoutPutsThem)
{
    if (QGuiApplication::platformName() != "xcb")
        GTEST_SKIP() << "needs an X display";
    QTemporaryDir dir;
    writeFlatSkin(dir.path());
    MainWindow window;
    MainForm& form = window.form();
    form.programDir = dir.path();
    form.sliderPanel.showDesignedPictures();
    form.state.shengyin_shu = 32767;
    form.state.sudu_shu = 100;
    form.state.balance_step = -5;
    form.state.length_ms = 100000;
    form.state.position_ms = 50000;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    form.hoverReset();
    form.chengxutuxiang(QString());
    QTest::qWait(300);
    const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
    ASSERT_FALSE(shot.isNull());

    struct Piece {
        const PlacedControl* control;
        const char* picture;
    };
    QList<Piece> pieces = {{&form.jingdutiao[0], "进度条_横.jpg"},
                           {&form.xuan[0], "未选框.bmp"},
                           {&form.xuan[1], "未选框.bmp"},
                           {&form.xuan[2], "未选框.bmp"},
                           {&form.shang_xia[0], "向上_抬起.bmp"},
                           {&form.shang_xia[1], "向下_抬起.bmp"},
                           {&form.huakuai[3], "进度条_滑块竖_暗.jpg"}};
    for (int c = 0; c < 3; ++c) {
        pieces << Piece{&form.jingdutiao[1 + c], "进度条_上.jpg"} << Piece{&form.jingdutiao[4 + c], "进度条_中.jpg"}
               << Piece{&form.jingdutiao[7 + c], "进度条_下.jpg"} << Piece{&form.huakuai[c], "进度条_滑块横_暗.jpg"};
    }
    for (const Piece& piece : pieces) {
        const bool isKnob = piece.control >= &form.huakuai[0] && piece.control <= &form.huakuai[3];
        const auto at = isKnob ? std::optional(piece.control->place().toPixels().center())
                               : visiblePoint(*piece.control, form);
        ASSERT_TRUE(at.has_value()) << piece.picture;
        const QPoint device = *at * shot.devicePixelRatio();
        EXPECT_TRUE(near(shot.pixelColor(device), PanelFixture::colourOf(QString::fromUtf8(piece.picture))))
            << piece.picture << " at " << at->x() << "," << at->y();
    }
    // The knobs sit where the values put them.
    EXPECT_EQ(form.huakuai[0].top(), form.xuan[0].top() - 350);
    EXPECT_EQ(form.huakuai[3].left(), form.xuan[1].left() - 490);
}
