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
    control.changed = [&control, piece = QPointer(widget), then] {
        if (!piece)
            return;
        placeWidget(piece, control);
        piece->setImage(control.picture());
        if (then)
            then();
    };
    control.changed();
}

void follow(PanelLabel& control, QLabel* widget, std::function<void()> then)
{
    control.changed = [&control, label = QPointer(widget), then] {
        if (!label)
            return;
        placeWidget(label, control);
        label->setText(control.caption());
        label->raise();
        if (then)
            then();
    };
    control.changed();
}
