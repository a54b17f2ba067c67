#pragma once

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QProcess>
#include <QRect>
#include <QString>

// A printed page as a picture: pdftoppm draws the PDF at 72 dpi (a pixel
// a point, 20 twips).
inline QImage pageOf(const QByteArray& pdf, const QString& dir)
{
    const QString pdfPath = dir + QStringLiteral("/page.pdf");
    QFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {"-r", "72", "-png", "-singlefile", pdfPath, dir + QStringLiteral("/page")});
    if (!pdftoppm.waitForFinished(30000) || pdftoppm.exitCode() != 0)
        return {};
    return QImage(dir + QStringLiteral("/page.png"));
}

// Where the picture landed on the white page, in points (a grey printer
// prints the red picture grey).
inline QRect inkedArea(const QImage& page)
{
    QRect area;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() < 200 || c.green() < 200 || c.blue() < 200)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

// Where the preview's numbers put the picture, in points: the margins less
// the unprintable edge (2 mm, and 7.4 mm or 12.4 mm at the top), from the
// printable area's top left, at the printed size the boxes show.
template <class State>
QRectF expectedArea(const State& s, const QPageLayout& layout)
{
    const bool portrait = layout.orientation() == QPageLayout::Portrait;
    const double edge = portrait ? 7.4 : 12.4;
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    const double mm = 56.7 / 20; // points a millimetre, at 56.7 twips
    return QRectF(printable.left() + (s.Text1[1].text.toDouble() - 2) * mm,
                  printable.top() + (s.Text1[2].text.toDouble() - edge) * mm,
                  s.Text1[3].text.toDouble() * mm, s.Text1[4].text.toDouble() * mm);
}
