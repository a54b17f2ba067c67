#include "pictures/window/qt_picture_printer.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <utility>

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPoint = 20;

} // namespace

QtPicturePrinter::QtPicturePrinter(QWidget* dialogParent) : dialogParent_(dialogParent) {}

int QtPicturePrinter::orientation() const
{
    return printer_.pageLayout().orientation() == QPageLayout::Landscape ? Landscape : Portrait;
}

void QtPicturePrinter::setOrientation(int orientation)
{
    if (orientation == Portrait || orientation == Landscape)
        printer_.setPageOrientation(orientation == Landscape ? QPageLayout::Landscape
                                                             : QPageLayout::Portrait);
}

bool QtPicturePrinter::paintPicture(const QImage& picture, const TwipsRect& twips)
{
    if (picture.isNull() || twips.width <= 0 || twips.height <= 0)
        return false;
    picture_ = picture;
    place_ = twips;
    return true;
}

// Without a printer (none installed, none chosen) the page goes nowhere.
bool QtPicturePrinter::hasDestination() const
{
    if (printer_.outputFormat() == QPrinter::PdfFormat)
        return !printer_.outputFileName().isEmpty();
    return !printer_.printerName().isEmpty();
}

bool QtPicturePrinter::endDoc()
{
    const QImage picture = std::exchange(picture_, QImage());
    if (picture.isNull() || !hasDestination())
        return false;
    QPainter painter;
    if (!painter.begin(&printer_))
        return false;
    const double perTwip = printer_.resolution() / kTwipsPerInch;
    const QRectF target(place_.left * perTwip, place_.top * perTwip, place_.width * perTwip,
                        place_.height * perTwip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    return painter.end();
}

QtPicturePrinter::Setup QtPicturePrinter::setupDialog()
{
    QPrintDialog dialog(&printer_, dialogParent_);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted ? Setup::Chosen : Setup::Cancelled;
}

double QtPicturePrinter::pageWidth() const
{
    return printer_.pageLayout().fullRect(QPageLayout::Point).width() * kTwipsPerPoint;
}

double QtPicturePrinter::pageHeight() const
{
    return printer_.pageLayout().fullRect(QPageLayout::Point).height() * kTwipsPerPoint;
}
