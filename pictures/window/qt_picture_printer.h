#pragma once

#include "pictures/picture_printer.h"

#include <QPointer>
#include <QPrinter>
#include <QWidget>

// The system's printer through Qt (CUPS on this system). The picture waits
// until the page is ended, then goes onto it at the printer's own
// resolution, measured from the top left of the printable area.
class QtPicturePrinter : public PicturePrinter {
public:
    explicit QtPicturePrinter(QWidget* dialogParent = nullptr);

    int orientation() const override;
    void setOrientation(int orientation) override;
    bool paintPicture(const QImage& picture, const TwipsRect& twips) override;
    bool endDoc() override;
    Setup setupDialog() override;
    double pageWidth() const override;
    double pageHeight() const override;

    QPrinter& printer() { return printer_; }

private:
    bool hasDestination() const;

    QPrinter printer_{QPrinter::HighResolution};
    QPointer<QWidget> dialogParent_;
    QImage picture_;
    TwipsRect place_;
};
