#pragma once

#include "platform/twips.h"

#include <QImage>
#include <QString>

// A control of a window: its place in twips (in its parent's client area)
// and whether it shows. The base class only keeps the values; a subclass
// that owns a real widget moves it in placeChanged().
class PlacedControl {
public:
    virtual ~PlacedControl() = default;

    double left() const { return place_.left; }
    double top() const { return place_.top; }
    double width() const { return place_.width; }
    double height() const { return place_.height; }
    bool isVisible() const { return visible_; }
    TwipsRect place() const { return place_; }

    void setLeft(double v) { setPlace({v, place_.top, place_.width, place_.height}); }
    void setTop(double v) { setPlace({place_.left, v, place_.width, place_.height}); }
    void setWidth(double v) { setPlace({place_.left, place_.top, v, place_.height}); }
    void setHeight(double v) { setPlace({place_.left, place_.top, place_.width, v}); }
    void setPlace(const TwipsRect& r)
    {
        if (r == place_)
            return;
        place_ = r;
        placeChanged();
    }
    void setVisible(bool v)
    {
        if (v == visible_)
            return;
        visible_ = v;
        placeChanged();
    }

protected:
    virtual void placeChanged() {}

private:
    TwipsRect place_;
    bool visible_ = true;
};

// A label: a placed control with a caption.
class LabelControl : public PlacedControl {
public:
    QString caption() const { return caption_; }
    void setCaption(const QString& text)
    {
        if (text == caption_)
            return;
        caption_ = text;
        captionChanged();
    }

protected:
    virtual void captionChanged() {}

private:
    QString caption_;
};

// An image control: a placed control holding a picture (empty when none).
class ImageControl : public PlacedControl {
public:
    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& image)
    {
        picture_ = image;
        pictureChanged();
    }

protected:
    virtual void pictureChanged() {}

private:
    QImage picture_;
};
