#pragma once

#include "browse/check_box_control.h"

#include <QCheckBox>
#include <QPointer>

// A check box control backed by a QCheckBox: its place, caption and value
// show on the widget. A click by the user sets the value first, then
// clicked() follows, as the box's Click handler runs after the change.
class WidgetCheckBox : public CheckBoxControl {
public:
    explicit WidgetCheckBox(QCheckBox* box);
    ~WidgetCheckBox() override;
    QCheckBox* box() const { return box_; }

protected:
    void placeChanged() override;
    void captionChanged() override;
    void valueChanged() override;

private:
    QPointer<QCheckBox> box_;
    QMetaObject::Connection clicks_;
};
