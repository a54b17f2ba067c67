// The news popup on the test display, with a window manager and a panel.
#include "chrome/chrome_fixture.h"
#include "desktop_session.h"
#include "doubles/form_folders.h"
#include "news/help_items.h"
#include "news/help_menu.h"
#include "news/news_scheduler.h"
#include "news/window/news_popup_host.h"

#include <QGuiApplication>
#include <QWindow>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct PopupFixture : ChromeFixture {
    explicit PopupFixture(const QString& programDir = QStringLiteral(SHIPPED_DATA_DIR))
    {
        form.programDir = programDir;
        host->random = [this] { return headerRandom; };
        host->openUrl = [this](const QUrl& url) { opened << url; return true; };
    }
    NewsPopup* shownPopup()
    {
        host->show();
        NewsPopup* popup = host->popup();
        EXPECT_TRUE(popup && QTest::qWaitForWindowExposed(popup));
        return popup;
    }

    double headerRandom = 0.35;
    HelpMenu help{form.bangzhu1, form.dialogs, programPathOf(form), userPathOf(form)};
    NewsScheduler scheduler{form.bangzhu1, form.Timer_tan};
    std::unique_ptr<NewsPopupHost> host = std::make_unique<NewsPopupHost>(form, help, scheduler, nullptr);
    QList<QUrl> opened;
};

class NewsPopupOnScreen : public ::testing::Test {
protected:
    static void SetUpTestSuite() { desktop = new DesktopSession; }
    static void TearDownTestSuite()
    {
        delete desktop;
        desktop = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(desktop->ready()) << "no window manager with a panel"; }

    static DesktopSession* desktop;
};
DesktopSession* NewsPopupOnScreen::desktop = nullptr;

TEST_F(NewsPopupOnScreen, LandsAtTheBottomRightAboveThePanel)
{
    PopupFixture f;
    f.help.bangzhu1_Click(HelpItem::News);
    NewsPopup* popup = f.host->popup();
    ASSERT_TRUE(popup);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect work = screen->availableGeometry();
    EXPECT_EQ(work.bottom(), screen->geometry().bottom() - DesktopSession::kPanelHeight);
    EXPECT_EQ(popup->size(), QSize(258, 261)); // 3870 x 3915 twips
    EXPECT_TRUE(QTest::qWaitFor([&] { return popup->frameGeometry().right() == screen->geometry().right(); }, 2000));
    EXPECT_EQ(popup->frameGeometry().bottom(), work.bottom());
    EXPECT_TRUE(popup->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(popup->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(popup->headerPicture(), 3); // random 0.35
}

TEST_F(NewsPopupOnScreen, RisesAHundredRowsEveryTick)
{
    PopupFixture f;
    f.host->show();
    NewsPopup* popup = f.host->popup();
    ASSERT_TRUE(popup);
    EXPECT_EQ(popup->mask().boundingRect(), QRect(0, 258, 258, 2)); // rows 258 and 259
    QList<QRect> bands;
    QObject::connect(&popup->Timer1, &QTimer::timeout, popup,
                     [&] { bands << popup->mask().boundingRect(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !popup->Timer1.isActive(); }, 3000));
    // The region reaches above the window; the last three rows stay hidden.
    const QList<QRect> expected{QRect(0, 160, 258, 98), QRect(0, 60, 258, 198), QRect(0, -40, 258, 298)};
    EXPECT_EQ(bands, expected);
}

TEST_F(NewsPopupOnScreen, ASecondShowOnlyBringsItForward)
{
    PopupFixture f;
    NewsPopup* first = f.shownPopup();
    ASSERT_TRUE(first);
    f.headerRandom = 0.95;
    f.help.bangzhu1_Click(HelpItem::News);
    EXPECT_EQ(f.host->popup(), first);
    EXPECT_EQ(first->headerPicture(), 3);
    const QWindowList windows = QGuiApplication::topLevelWindows();
    EXPECT_EQ(std::count_if(windows.begin(), windows.end(),
                            [](QWindow* w) { return w->isVisible() && w->title() == "新闻资讯"; }),
              1);
}

TEST_F(NewsPopupOnScreen, FadesOutInStepsWhileEventsGoOnThenGoes)
{
    PopupFixture f;
    QPointer<NewsPopup> popup = f.shownPopup();
    ASSERT_TRUE(popup);
    QList<double> seen;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (popup && popup->fading()) {
            seen << popup->windowOpacity();
            popup->close(); // a second close during the fade changes nothing
        }
    });
    watch.start();
    popup->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return popup.isNull(); }, 3000));
    ASSERT_GE(seen.size(), 5);
    EXPECT_TRUE(std::is_sorted(seen.rbegin(), seen.rend()));
    for (double opacity : seen) // each one of the steps 255, 245, ... 15
        EXPECT_EQ(std::lround(opacity * 255) % 10, 5) << opacity;
    EXPECT_NEAR(seen.back(), 15 / 255.0, 0.01);
    EXPECT_EQ(f.host->popup(), nullptr);
    // The next show loads a new popup with a new rise.
    NewsPopup* next = f.shownPopup();
    ASSERT_TRUE(next);
    EXPECT_EQ(next->windowOpacity(), 1.0);
}

TEST_F(NewsPopupOnScreen, TheCaptionLineDragsTheWindow)
{
    PopupFixture f;
    NewsPopup* popup = f.shownPopup();
    ASSERT_TRUE(popup);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !popup->Timer1.isActive(); }, 3000));
    QTest::qWait(200);
    const QPoint before = popup->pos();
    const QPoint grip = popup->mapToGlobal(QPoint(60, 10)); // on the caption "  新闻资讯"
    const auto xdotool = [](const QStringList& args) { return QProcess::execute("xdotool", args); };
    ASSERT_EQ(xdotool({"mousemove", QString::number(grip.x()), QString::number(grip.y())}), 0);
    QTest::qWait(100);
    xdotool({"mousedown", "1"});
    QTest::qWait(200);
    for (int step = 1; step <= 10; ++step) {
        xdotool({"mousemove", QString::number(grip.x() - 30 * step), QString::number(grip.y() - 20 * step)});
        QTest::qWait(30);
    }
    xdotool({"mouseup", "1"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return popup->pos() == before - QPoint(300, 200); }, 3000))
        << popup->pos().x() << "," << popup->pos().y();
}

TEST_F(NewsPopupOnScreen, ThePaneShowsTheLocalPageAndHandsItsLinksOn)
{
    PopupFixture f;
    NewsPopup* popup = f.shownPopup();
    ASSERT_TRUE(popup);
    NewsPane& pane = popup->WebBrowser1();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pane.Busy(); }, 2000));
    EXPECT_TRUE(pane.toPlainText().contains("璇音坊"));
    EXPECT_TRUE(pane.Silent);
    emit pane.anchorClicked(QUrl("https://xuanyinfang.github.io/news/"));
    emit pane.anchorClicked(QUrl("其他新闻.html")); // relative: a file of the pane's folder
    emit pane.anchorClicked(QUrl("mailto:editor@example.org"));
    EXPECT_EQ(f.opened, QList<QUrl>{QUrl("https://xuanyinfang.github.io/news/")});
}

// The scheduler's busy check loads the popup without showing it.
TEST_F(NewsPopupOnScreen, TheBusyCheckLoadsThePopupUnseen)
{
    PopupFixture f;
    EXPECT_TRUE(f.scheduler.paneBusy());
    NewsPopup* popup = f.host->popup();
    ASSERT_TRUE(popup);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.scheduler.paneBusy(); }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !popup->Timer1.isActive(); }, 2000)); // risen unseen
    f.scheduler.showPopup();
    EXPECT_EQ(f.host->popup(), popup);
    EXPECT_TRUE(popup->isVisible());
}

TEST_F(NewsPopupOnScreen, WithoutPicturesOrPageItShowsAnEmptyPane)
{
    QTemporaryDir empty;
    PopupFixture f(empty.path());
    NewsPopup* popup = f.shownPopup();
    ASSERT_TRUE(popup);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !popup->WebBrowser1().Busy(); }, 2000));
    EXPECT_TRUE(popup->WebBrowser1().toPlainText().isEmpty());
    popup->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.host->popup(); }, 2000));
}

// The program ending during the rise takes the popup along, without a fade.
TEST_F(NewsPopupOnScreen, EndingTheProgramDuringTheRiseTakesThePopupAlong)
{
    PopupFixture f;
    QPointer<NewsPopup> popup = f.shownPopup();
    ASSERT_TRUE(popup);
    EXPECT_TRUE(popup->Timer1.isActive());
    f.host.reset();
    EXPECT_TRUE(popup.isNull());
    f.help.bangzhu1_Click(HelpItem::News); // its view is gone: nothing happens
    QTest::qWait(50);
}

} // namespace
