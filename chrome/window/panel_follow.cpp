#include "chrome/window/panel_follow.h"

#include "chrome/window/panel_piece.h"
#include "core/form1.h"

#include <QPointer>

namespace {

void placeWidget(QWidget* widget, const PlacedControl& control)
{
    const QRect r = control.place().toPixels();
    if (widget->geometry() != r)
        widget->setGeometry(r);
    widget->setVisible(control.isVisible() && !r.isEmpty());
}

} // namespace

void follow(PanelImage& control, PanelPiece* widget, std::function<void()> then)
{
    control.changed.connect(widget, [&control, piece = widget, then] {
        placeWidget(piece, control);
        piece->setImage(control.picture());
        if (then)
            then();
    });
    control.changed();
}

void follow(PanelLabel& control, QLabel* widget, std::function<void()> then)
{
    control.changed.connect(widget, [&control, label = widget, then] {
        placeWidget(label, control);
        label->setText(control.caption());
        label->raise();
        if (then)
            then();
    });
    control.changed();
}
