#include "browse/window/widget_check_box.h"

WidgetCheckBox::WidgetCheckBox(QCheckBox* box) : box_(box)
{
    // Connected first, so the value is set before anyone else hears the click.
    clicks_ = QObject::connect(box, &QCheckBox::clicked, box,
                               [this](bool checked) { setValue(checked ? 1 : 0); });
    placeChanged();
    valueChanged();
}

WidgetCheckBox::~WidgetCheckBox()
{
    QObject::disconnect(clicks_);
}

void WidgetCheckBox::placeChanged()
{
    if (!box_)
        return;
    box_->setGeometry(place().toPixels());
    box_->setVisible(isVisible());
}

void WidgetCheckBox::captionChanged()
{
    if (box_)
        box_->setText(caption());
}

void WidgetCheckBox::valueChanged()
{
    if (box_)
        box_->setChecked(value() == 1);
}
