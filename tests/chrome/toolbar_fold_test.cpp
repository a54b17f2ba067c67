#include "chrome/toolbar_design.h"
#include "toolbar_fixture.h"

#include <gtest/gtest.h>

namespace {

// A loaded, shown toolbar: docked at 7000 twips (467 pixels), unfolded
// 31 pixels high while measured, then folded (Height 30) as the load leaves it.
struct ShownToolbar : ToolbarFixture {
    ShownToolbar()
    {
        toolbar.Form_Load();
        toolbar.setHeight(ToolbarDesign::FoldedHeight);
        toolbar.Show();
    }
};

TEST(ToolbarLoad, DockedAtTheTopAndMeasured)
{
    ShownToolbar f;
    EXPECT_EQ(f.toolbar.toolbar_rect, QRect(467, 0, 280, 31));
    EXPECT_EQ(f.toolbar.full_height, 460);
    EXPECT_EQ(f.toolbar.Height(), 30);
    EXPECT_EQ(f.desktop.rect, QRect(467, 0, 280, 2));
    EXPECT_EQ(f.toolbar.BackColor, 0xFF0000u);
    EXPECT_EQ(f.toolbar.Timer1.interval(), 50);
    EXPECT_EQ(f.toolbar.Timer2.interval(), 1000);
    EXPECT_EQ(f.buttonColour(1), stripColour(StripLook::Normal, false));
}

// Where the pointer is, what the toolbar does on the next Timer1 tick.
struct FoldCase {
    const char* name;
    QPoint pointer;
    bool startUnfolded;
    bool dragging;
    double height;
    bool inDragZone;
};

class ToolbarFold : public ::testing::TestWithParam<FoldCase> {};

TEST_P(ToolbarFold, OneTick)
{
    const FoldCase& c = GetParam();
    ShownToolbar f;
    if (c.startUnfolded)
        f.tickAt({600, 0});
    f.toolbar.dragging = c.dragging;
    f.toolbar.in_drag_zone = false;
    f.tickAt(c.pointer);
    EXPECT_EQ(f.toolbar.Height(), c.height);
    EXPECT_EQ(f.desktop.rect.height(), c.height == 460 ? 31 : 2);
    if (c.height == 460) {
        EXPECT_EQ(f.toolbar.in_drag_zone, c.inDragZone);
        EXPECT_EQ(f.toolbar.movePointer, c.inDragZone);
    }
}

const FoldCase foldCases[] = {
    // Folded, the pointer low on the screen or just under the top rows.
    {"LowStaysFolded", {600, 500}, false, false, 30, false},
    {"FourthRowStaysFolded", {600, 4}, false, false, 30, false},
    {"OverTheFoldedLineBelowTheTopRows", {600, 5}, false, false, 30, false},
    // The top rows unfold it, above it or far to the side.
    {"TopRowOverButtons", {600, 3}, false, false, 460, false},
    {"TopEdgeFarLeft", {2, 0}, false, false, 460, true},
    {"TopEdgeFarRight", {1270, 1}, false, false, 460, true},
    // Unfolded, the pointer on it keeps it open; off it folds it.
    {"OnTheButtonsKeepsOpen", {600, 20}, true, false, 460, false},
    {"LeftHandleEdge", {467 + 7, 20}, true, false, 460, true},
    {"JustPastLeftHandle", {467 + 8, 20}, true, false, 460, false},
    {"JustBeforeRightHandle", {467 + 269, 20}, true, false, 460, false},
    {"RightHandle", {467 + 270, 20}, true, false, 460, true},
    {"BelowItFolds", {600, 31}, true, false, 30, false},
    {"BesideItFolds", {300, 20}, true, false, 30, false},
    // While dragging nothing folds, and the whole strip is a handle.
    {"DraggingOffItStays", {600, 500}, true, true, 460, false},
    {"DraggingOverButtons", {600, 20}, true, true, 460, true},
};

INSTANTIATE_TEST_SUITE_P(Pointer, ToolbarFold, ::testing::ValuesIn(foldCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(ToolbarFold, TopmostPlacementOncePerUnfolding)
{
    ShownToolbar f;
    f.tickAt({600, 0});
    f.tickAt({600, 10});
    f.tickAt({600, 20});
    ASSERT_EQ(f.desktop.topmostCalls.size(), 1);
    EXPECT_EQ(f.desktop.topmostCalls[0], QRect(467, 0, 280, 31));
    f.tickAt({600, 500});
    f.tickAt({600, 1});
    EXPECT_EQ(f.desktop.topmostCalls.size(), 2);
    EXPECT_EQ(f.toolbar.fold_state, Form4::FoldState::Unfolded);
}

TEST(ToolbarFold, NothingWhileHidden)
{
    ShownToolbar f;
    f.toolbar.Hide();
    f.tickAt({600, 0});
    EXPECT_EQ(f.toolbar.Height(), 30);
    EXPECT_EQ(f.toolbar.cursor_pos, QPoint());
    EXPECT_TRUE(f.desktop.topmostCalls.isEmpty());
}

// A press on a handle, a move and the release: the toolbar follows the
// pointer sampled by Timer1 and docks again at the top, shifted sideways.
TEST(ToolbarDrag, ByEitherHandleAndDockedOnRelease)
{
    for (const int grip : {3, 275}) {
        ShownToolbar f;
        f.tickAt({600, 0});
        f.tickAt({467 + grip, 10});
        ASSERT_TRUE(f.toolbar.in_drag_zone) << grip;
        f.toolbar.Picture1_MouseDown(1, 0, 0, 0);
        EXPECT_TRUE(f.toolbar.dragging);
        EXPECT_EQ(f.toolbar.drag_offset, QPoint(grip, 10));
        f.tickAt({200 + grip, 300});
        f.toolbar.Picture1_MouseMove(1, 0, 0, 0);
        EXPECT_EQ(f.desktop.rect, QRect(200, 290, 280, 31)) << grip;
        EXPECT_EQ(f.toolbar.Height(), 460);
        f.toolbar.Picture1_MouseUp(1, 0, 0, 0);
        EXPECT_FALSE(f.toolbar.dragging);
        EXPECT_EQ(f.desktop.rect, QRect(200, 0, 280, 31));
        EXPECT_EQ(f.toolbar.toolbar_rect, QRect(200, 0, 280, 31));
    }
}

TEST(ToolbarDrag, PressOnTheButtonsAreaStartsNone)
{
    ShownToolbar f;
    f.tickAt({600, 0});
    f.tickAt({467 + 100, 10});
    f.toolbar.Picture1_MouseDown(1, 0, 0, 0);
    EXPECT_FALSE(f.toolbar.dragging);
    f.tickAt({100, 300});
    f.toolbar.Picture1_MouseMove(1, 0, 0, 0);
    EXPECT_EQ(f.desktop.rect.topLeft(), QPoint(467, 0));
}

// Dragged beyond the screen's edge (or on a screen narrower than the
// toolbar), it docks where all of it can be reached.
TEST(ToolbarDrag, DocksOnTheScreen)
{
    struct Case { QRect screen; int dropLeft; int dockedLeft; };
    const Case cases[] = {
        {{0, 0, 1280, 1024}, 1200, 1000},
        {{0, 0, 1280, 1024}, -150, 0},
        {{0, 0, 200, 600}, 50, 0},
    };
    for (const Case& c : cases) {
        ShownToolbar f;
        f.desktop.screen = c.screen;
        f.tickAt({600, 0});
        f.tickAt({467 + 3, 10});
        f.toolbar.Picture1_MouseDown(1, 0, 0, 0);
        f.tickAt({c.dropLeft + 3, 100});
        f.toolbar.Picture1_MouseMove(1, 0, 0, 0);
        f.toolbar.Picture1_MouseUp(1, 0, 0, 0);
        EXPECT_EQ(f.desktop.rect.left(), c.dockedLeft) << c.dropLeft;
        EXPECT_EQ(f.desktop.rect.top(), 0);
    }
}

TEST(ToolbarDrag, RightReleasePopsUpTheListMenuEvenEndingADrag)
{
    ShownToolbar f;
    QObject context;
    QList<QPoint> popups;
    f.toolbar.popupListMenu.connect(&context, [&](const QPoint& at) { popups << at; });
    f.tickAt({600, 0});
    f.tickAt({467 + 3, 10});
    f.toolbar.Picture1_MouseDown(2, 0, 0, 0);
    f.tickAt({400, 12});
    f.toolbar.Picture1_MouseUp(2, 0, 0, 0);
    ASSERT_EQ(popups.size(), 1);
    EXPECT_EQ(popups[0], QPoint(400, 12));
    f.toolbar.Picture1_MouseUp(1, 0, 0, 0);
    EXPECT_EQ(popups.size(), 1);
}

TEST(ToolbarColourBox, CyclesBlackWhiteYellowMagentaRed)
{
    ToolbarFixture f;
    QList<QColor> seen;
    for (int i = 0; i < 11; ++i) {
        f.toolbar.Timer2_Timer();
        seen << *f.toolbar.boxColor;
    }
    const QList<QColor> cycle = {Qt::black, Qt::white, Qt::yellow, Qt::magenta, Qt::red};
    EXPECT_EQ(seen, cycle + cycle + QList<QColor>{Qt::black});
}

} // namespace
