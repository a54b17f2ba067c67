// The real window frame in twips, and a window that grows staying on screen.
#include "platform/twips.h"
#include "platform/widget_window_frame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(WidgetWindowFrame, SizesAreTwipsOfTheWidget)
{
    QWidget window;
    window.resize(800, 560);
    WidgetWindowFrame frame(&window);
    EXPECT_DOUBLE_EQ(frame.scaleWidth(), 12000);
    EXPECT_DOUBLE_EQ(frame.scaleHeight(), 8400);
    frame.setWidth(8520);
    EXPECT_EQ(window.width(), 568);
    frame.setCaption("璇音坊 10.90");
    EXPECT_EQ(frame.caption(), "璇音坊 10.90");
}

TEST(WidgetWindowFrame, AWindowGrowingPastTheFootMovesUp)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    window.setGeometry(area.left() + 10, area.bottom() - 150, 300, 100);
    window.show();
    WidgetWindowFrame frame(&window);

    frame.setHeight(pixelsToTwips(400));

    EXPECT_DOUBLE_EQ(frame.height(), pixelsToTwips(400));
    EXPECT_LE(window.frameGeometry().bottom(), area.bottom());
    EXPECT_GE(window.frameGeometry().top(), area.top());
}

} // namespace
