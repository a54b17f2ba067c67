#pragma once

#include "platform/placed_control.h"

// A check box: a captioned control whose value is 1 when checked, 0 when not.
class CheckBoxControl : public LabelControl {
public:
    int value() const { return value_; }
    void setValue(int v)
    {
        if (v == value_)
            return;
        value_ = v;
        valueChanged();
    }

protected:
    virtual void valueChanged() {}

private:
    int value_ = 0;
};
