#include "chrome/window/label_bar_view.h"

#include "chrome/label_menu_bar.h"
#include "chrome/window/menu_label.h"

#include <QEvent>
#include <QMouseEvent>

LabelBarView::LabelBarView(LabelMenuBar& bar, QWidget* window)
    : QObject(window), bar_(bar), shape_(new QWidget(window))
{
    shape_->setAttribute(Qt::WA_StyledBackground);
    shape_->hide();
    for (int i = 0; i < LabelMenuBar::kLabels; ++i) {
        auto* label = new MenuLabel(LabelMenuBar::caption(i), window, [this, i] {
            bar_.Lab_caidan_MouseUp(i, Qt::LeftButton);
        });
        label->setTextFormat(Qt::PlainText);
        label->setText(LabelMenuBar::shownCaption(i));
        label->setAlignment(Qt::AlignCenter);
        label->setAccessibleName(label->text());
        label->setMouseTracking(true);
        label->installEventFilter(this);
        labels_ << label;
    }
    bar_.highlightChanged.connect(this, [this] { showHighlight(); });
    place();
}

void LabelBarView::place()
{
    for (int i = 0; i < labels_.size(); ++i)
        labels_[i]->setGeometry(LabelMenuBar::labelPlace(i).toPixels());
    showHighlight();
}

void LabelBarView::showHighlight()
{
    shape_->setGeometry(bar_.highlightPlace().toPixels());
    shape_->setStyleSheet(QStringLiteral("background:%1;").arg(bar_.highlightColour().name()));
    shape_->setVisible(bar_.highlightVisible());
    shape_->lower();
}

bool LabelBarView::eventFilter(QObject* watched, QEvent* event)
{
    const int index = labels_.indexOf(qobject_cast<QLabel*>(watched));
    if (index < 0)
        return false;
    if (event->type() == QEvent::MouseMove) {
        bar_.Lab_caidan_MouseMove(index);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        bar_.Lab_caidan_MouseUp(index, static_cast<QMouseEvent*>(event)->button());
        return true;
    }
    return event->type() == QEvent::MouseButtonPress;
}
