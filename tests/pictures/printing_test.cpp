// Printing through Qt's printer: to a PDF file, turned into a picture to
// see where the picture landed; and with no printer at all.
#include "print_fixture.h"
#include "printed_page.h"

#include "pictures/window/qt_picture_printer.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPageLayout>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct PdfCase {
    const char* name;
    int orientation; // 0 portrait, 1 landscape
    const char* scale;
    const char* left; // mm
    const char* top;
    QSize pageInPoints;
};

class PrintToPdf : public ::testing::TestWithParam<PdfCase> {
protected:
    PrintToPdf()
    {
        printer.printer().setOutputFormat(QPrinter::PdfFormat);
        printer.printer().setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
        f.preview().printer = &printer;
    }
    QTemporaryDir dir;
    PrintFixture f;
    QtPicturePrinter printer;
};

TEST_P(PrintToPdf, PictureLandsWhereThePreviewShowsIt)
{
    const PdfCase& c = GetParam();
    f.preview().Option1_Click(c.orientation);
    f.preview().Text1_Change(0, QString::fromUtf8(c.scale));
    f.preview().Text1_Change(1, QString::fromUtf8(c.left));
    f.preview().Text1_Change(2, QString::fromUtf8(c.top));
    f.dialogs.questionAnswers.enqueue(true);
    f.preview().anniu1_Click(0);
    ASSERT_EQ(f.dialogs.shown.size(), 1) << "no error message";

    QFile pdf(dir.filePath(QStringLiteral("printed.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QImage page = pageOf(pdf.readAll(), dir.path());
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.size(), c.pageInPoints);

    const QRectF expected = expectedArea(f.state(), printer.printer().pageLayout());
    const QRect landed = inkedArea(page);
    EXPECT_NEAR(landed.left(), expected.left(), 1.5);
    EXPECT_NEAR(landed.top(), expected.top(), 1.5);
    EXPECT_NEAR(landed.width(), expected.width(), 2);
    EXPECT_NEAR(landed.height(), expected.height(), 2);
    EXPECT_EQ(printer.orientation(), c.orientation + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PrintToPdf,
    ::testing::Values(PdfCase{"PortraitHalfSize", 0, "50", "20", "30", {595, 842}},
                      PdfCase{"PortraitLarger", 0, "80", "5", "10", {595, 842}},
                      PdfCase{"LandscapeCentredish", 1, "60", "40", "25", {842, 595}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

// No printer installed: the print system answers none, and the page goes
// nowhere.
TEST(PrintWithoutPrinter, ShowsTheErrorMessage)
{
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    PrintFixture f;
    QtPicturePrinter printer;
    f.preview().printer = &printer;
    f.dialogs.questionAnswers.enqueue(true);
    f.preview().anniu1_Click(0);
    ASSERT_EQ(f.dialogs.shown.size(), 2);
    EXPECT_EQ(f.dialogs.shown.last().text, QStringLiteral("打印错误！请查看是否正确安装打印机！"));
}

// The printer dialog: cancelled it changes nothing; accepted, its paper
// comes back.
TEST(PrinterDialog, CancelledOrAccepted)
{
    QtPicturePrinter printer;
    printer.printer().setOutputFormat(QPrinter::PdfFormat);
    printer.setOrientation(PicturePrinter::Landscape);
    // Answers the dialog once it is up.
    QTimer answerer;
    answerer.setInterval(50);
    bool accepting = false;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            answerer.stop();
            accepting ? dialog->accept() : dialog->reject();
        }
    });
    const auto answer = [&](bool accept) {
        accepting = accept;
        answerer.start();
    };
    answer(false);
    EXPECT_EQ(printer.setupDialog(), PicturePrinter::Setup::Cancelled);
    EXPECT_EQ(printer.orientation(), PicturePrinter::Landscape);
    answer(true);
    EXPECT_EQ(printer.setupDialog(), PicturePrinter::Setup::Chosen);
    EXPECT_GT(printer.pageWidth(), printer.pageHeight()); // landscape paper
}

} // namespace
