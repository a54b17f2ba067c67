#pragma once

#include <QFile>
#include <QImage>
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

// Where the red picture landed on the page, in points.
inline QRect redArea(const QImage& page)
{
    QRect area;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}
