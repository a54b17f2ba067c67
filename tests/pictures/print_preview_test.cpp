// The print preview's handlers: printing and its question, the printer
// dialog, opening and hiding, and the picture the main window hands over.
#include "print_fixture.h"

#include "core/display_mode.h"
#include "pictures/image_items.h"

#include <gtest/gtest.h>

namespace {

constexpr double kMm = 56.7;

struct PrintCase {
    const char* name;
    int orientation; // printer: 1 portrait, 2 landscape
    const char* left;
    const char* top;
    double edge; // the top edge taken off, mm
};

class PrintPlace : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintPlace, DrawsWherePreviewShowsLessTheUnprintableEdge)
{
    PrintFixture f;
    f.printer.orientation_ = GetParam().orientation;
    f.preview().Text1_Change(1, QString::fromUtf8(GetParam().left));
    f.preview().Text1_Change(2, QString::fromUtf8(GetParam().top));
    f.dialogs.questionAnswers.enqueue(true);
    f.preview().anniu1_Click(0);

    ASSERT_EQ(f.printer.painted.size(), 1);
    const PreviewState& s = f.state();
    const double r = s.paper_per_preview;
    const TwipsRect place = f.printer.painted.first();
    EXPECT_NEAR(place.left, r * (s.Image1.left - s.Shape1.left) - 2 * kMm, 1e-6);
    EXPECT_NEAR(place.top, r * (s.Image1.top - s.Shape1.top) - GetParam().edge * kMm, 1e-6);
    EXPECT_DOUBLE_EQ(place.width, r * s.Image1.width);
    EXPECT_DOUBLE_EQ(place.height, r * s.Image1.height);
    const QString orientation = QStringLiteral("orientation:%1").arg(GetParam().orientation);
    EXPECT_EQ(f.printer.calls, (QStringList{"paint", "endDoc", orientation}));
    EXPECT_EQ(f.dialogs.shown.first().text, Form2::PrintQuestion);
    EXPECT_EQ(f.dialogs.shown.size(), 1); // no error message
}

INSTANTIATE_TEST_SUITE_P(Margins, PrintPlace,
                         ::testing::Values(PrintCase{"PortraitAtZero", 1, "0", "0", 7.4},
                                           PrintCase{"PortraitAtMargins", 1, "20", "30", 7.4},
                                           PrintCase{"LandscapeAtMargins", 2, "20", "30", 12.4}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(Print, AtZeroMarginsInPortraitDrawsAtTheEdgeOffsets)
{
    PrintFixture f;
    f.preview().gaibian_all();
    f.dialogs.questionAnswers.enqueue(true);
    f.preview().anniu1_Click(0);
    ASSERT_EQ(f.printer.painted.size(), 1);
    EXPECT_NEAR(f.printer.painted.first().left, -113.4, 1e-9);
    EXPECT_NEAR(f.printer.painted.first().top, -419.58, 1e-9);
    EXPECT_NEAR(f.printer.painted.first().width, 210 * kMm, 1e-6);
}

TEST(Print, NoPrintsNothing)
{
    PrintFixture f;
    f.dialogs.questionAnswers.enqueue(false);
    f.preview().anniu1_Click(0);
    EXPECT_TRUE(f.printer.calls.isEmpty());
    EXPECT_EQ(f.dialogs.shown.size(), 1);
}

struct FailureCase {
    const char* name;
    bool paints;
    bool ends;
    bool printer;
};

class PrintFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(PrintFailure, ShowsTheErrorMessage)
{
    PrintFixture f;
    f.printer.paints = GetParam().paints;
    f.printer.ends = GetParam().ends;
    if (!GetParam().printer)
        f.preview().printer = nullptr;
    f.dialogs.questionAnswers.enqueue(true);
    f.preview().anniu1_Click(0);
    ASSERT_EQ(f.dialogs.shown.size(), 2);
    EXPECT_EQ(f.dialogs.shown.last().kind, QStringLiteral("message"));
    EXPECT_EQ(f.dialogs.shown.last().text, QStringLiteral("打印错误！请查看是否正确安装打印机！"));
    EXPECT_EQ(f.printer.orientation(), 1); // set back
}

INSTANTIATE_TEST_SUITE_P(Printer, PrintFailure,
                         ::testing::Values(FailureCase{"PaintFails", false, true, true},
                                           FailureCase{"EndFails", true, false, true},
                                           FailureCase{"NoPrinter", true, true, false}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(Print, WithoutAPictureReportsTheError)
{
    PrintFixture f;
    f.form.printPreviewImage.setPicture(QImage());
    f.dialogs.questionAnswers.enqueue(true);
    f.preview().anniu1_Click(0);
    EXPECT_EQ(f.dialogs.shown.last().text, Form2::PrintError);
}

struct SetupCase {
    const char* name;
    int orientation;
    QSizeF page; // twips, as the paper lies
    const char* width;
    const char* height;
};

class PrinterSetup : public ::testing::TestWithParam<SetupCase> {};

TEST_P(PrinterSetup, ChosenPaperComesIntoTheBoxes)
{
    PrintFixture f;
    f.printer.setup = PicturePrinter::Setup::Chosen;
    f.printer.chosenOrientation = GetParam().orientation;
    f.printer.pageSize = GetParam().page;
    f.preview().anniu1_Click(2);
    EXPECT_EQ(f.state().Text2[0], QString::fromUtf8(GetParam().width));
    EXPECT_EQ(f.state().Text2[1], QString::fromUtf8(GetParam().height));
    const bool portrait = GetParam().orientation == 1;
    EXPECT_EQ(f.state().Option1[0], portrait);
    EXPECT_EQ(f.state().Option1[1], !portrait);
    EXPECT_TRUE(f.dialogs.shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Papers, PrinterSetup,
                         ::testing::Values(SetupCase{"A4Portrait", 1, {11906, 16838}, "210", "297"},
                                           SetupCase{"A4Landscape", 2, {16838, 11906}, "210", "297"},
                                           SetupCase{"Letter", 1, {12240, 15840}, "216", "279"},
                                           SetupCase{"A3Landscape", 2, {23811, 16838}, "297", "420"}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(PrinterSetupDialog, CancelChangesNothingAndShowsNothing)
{
    PrintFixture f;
    f.preview().Option1_Click(1);
    f.preview().Text1_Change(0, QStringLiteral("70"));
    const PreviewState before = f.state();
    f.printer.setup = PicturePrinter::Setup::Cancelled;
    f.preview().anniu1_Click(2);
    EXPECT_TRUE(f.dialogs.shown.isEmpty());
    EXPECT_EQ(f.printer.orientation(), 2);
    EXPECT_EQ(f.state().Text2, before.Text2);
    EXPECT_EQ(f.state().Option1, before.Option1);
    EXPECT_EQ(f.state().Shape1, before.Shape1);
    EXPECT_EQ(f.state().Image1, before.Image1);
}

TEST(PrinterSetupDialog, FailureShowsTheErrorAndRestoresTheOrientation)
{
    PrintFixture f;
    f.preview().Option1_Click(1);
    f.printer.setup = PicturePrinter::Setup::Failed;
    f.preview().anniu1_Click(2);
    ASSERT_EQ(f.dialogs.shown.size(), 1);
    EXPECT_EQ(f.dialogs.shown.first().text, Form2::PrintError);
    EXPECT_EQ(f.printer.orientation(), 2);
}

TEST(Window, ImageMenuItemLaysOutAndShowsCloseOnlyHides)
{
    PrintFixture f;
    int shown = 0;
    int hidden = 0;
    QObject context;
    f.preview().showWindow.connect(&context, [&] { ++shown; });
    f.preview().hideWindow.connect(&context, [&] { ++hidden; });
    f.preview().Text1_Change(0, QStringLiteral("50"));
    f.form.tuxiang1_Click(ImageItem::PrintPreview);
    EXPECT_TRUE(f.preview().isVisible());
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(f.state().Image1.width, 2275);
    f.preview().anniu1_Click(1);
    EXPECT_FALSE(f.preview().isVisible());
    EXPECT_EQ(hidden, 1);
    // Its settings last for the run.
    f.form.tuxiang1_Click(ImageItem::PrintPreview);
    EXPECT_EQ(f.state().Text1[0].text, QStringLiteral("50"));
}

TEST(Window, MenuRefreshAsksForThePictureAndHides)
{
    PrintFixture f;
    f.form.showPrintPreview();
    EXPECT_TRUE(f.form.printPreviewHoldsPicture());
    f.form.printPreviewImage.setPicture(QImage());
    EXPECT_FALSE(f.form.printPreviewHoldsPicture());
    f.form.hidePrintPreview();
    EXPECT_FALSE(f.preview().isVisible());
}

TEST(Window, ItsTimerIsHeldWhileAnEntryOpens)
{
    PrintFixture f;
    EXPECT_TRUE(f.form.timersHeldWhileOpening.contains(&f.preview().Timer1));
}

TEST(HandOver, TheDisplayRefreshGivesThePreviewTheNaturalSizePicture)
{
    PrintFixture f;
    f.form.printPreviewImage.setPicture(QImage());
    QImage natural(40, 30, QImage::Format_RGB32);
    natural.fill(Qt::blue);
    f.image2.setPicture(natural);
    f.image2.setWidth(600);
    f.image2.setHeight(450);
    f.form.state.display_mode = DisplayMode::Picture;
    f.form.chengxutuxiang = [](const QString&) {};
    f.form.shijian2();
    EXPECT_EQ(f.form.printPreviewImage.picture().cacheKey(), natural.cacheKey());
    EXPECT_TRUE(f.form.printPreviewHoldsPicture());
}

} // namespace
