#pragma once

#include "pictures/picture_printer.h"

#include <QList>
#include <QStringList>

// A printer that records what it is asked and answers as told.
class RecordingPrinter : public PicturePrinter {
public:
    int orientation() const override { return orientation_; }
    void setOrientation(int orientation) override
    {
        orientation_ = orientation;
        calls << QStringLiteral("orientation:%1").arg(orientation);
    }
    bool paintPicture(const QImage& picture, const TwipsRect& twips) override
    {
        calls << QStringLiteral("paint");
        painted << twips;
        return paints && !picture.isNull();
    }
    bool endDoc() override
    {
        calls << QStringLiteral("endDoc");
        return ends;
    }
    Setup setupDialog() override
    {
        calls << QStringLiteral("setup");
        if (setup == Setup::Chosen)
            orientation_ = chosenOrientation;
        else
            orientation_ = 0; // what a failed or cancelled dialog may leave
        return setup;
    }
    double pageWidth() const override { return pageSize.width(); }
    double pageHeight() const override { return pageSize.height(); }

    int orientation_ = Portrait;
    bool paints = true;
    bool ends = true;
    Setup setup = Setup::Cancelled;
    int chosenOrientation = Portrait;
    QSizeF pageSize{11906, 16838};
    QStringList calls;
    QList<TwipsRect> painted;
};
