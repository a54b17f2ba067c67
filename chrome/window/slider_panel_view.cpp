#include "chrome/window/slider_panel_view.h"

#include "chrome/knob_values.h"
#include "chrome/slider_panel.h"
#include "chrome/value_tip.h"
#include "chrome/window/panel_accessible.h"
#include "chrome/window/panel_card.h"
#include "chrome/window/panel_follow.h"
#include "chrome/window/panel_piece.h"
#include "core/flags.h"
#include "core/form1.h"
#include "platform/twips.h"

#include <QAccessible>
#include <QMouseEvent>

namespace {

QString& switchOf(Form1State& s, int i)
{
    return i == 0 ? s.mute_state : i == 1 ? s.varispeed_state : s.speed_x10_state;
}

} // namespace

SliderPanelView::SliderPanelView(Form1& form, SliderPanel& panel, QWidget* window)
    : QObject(window), form_(form), panel_(panel)
{
    PanelAccessible::install();
    card_ = new PanelCard(window);
    createTracks(window);
    createToggles(window);
    createStepButtons(window);
    createCaptions(window);
    createKnobs(window);
    createTip(window);
}

void SliderPanelView::createTracks(QWidget* window)
{
    for (int i = 0; i < int(form_.jingdutiao.size()); ++i) {
        auto* piece = new PanelPiece(PanelPiece::Track, i, window);
        piece->mouse = [this, i](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons, QPointF) {
            if (type == QEvent::MouseMove)
                panel_.jingdutiao_MouseMove(i);
            else if (type == QEvent::MouseButtonRelease)
                panel_.jingdutiao_MouseUp(i, button);
        };
        follow(form_.jingdutiao[i], piece);
        tracks_ << piece;
    }
}

void SliderPanelView::createToggles(QWidget* window)
{
    const QStringList names = {QStringLiteral("静音"), QStringLiteral("变速"), QStringLiteral("×10")};
    for (int i = 0; i < int(form_.xuan.size()); ++i) {
        auto* piece = new PanelPiece(PanelPiece::Toggle, i, window);
        piece->setAccessibleName(names[i]);
        piece->setToolTip(names[i]);
        piece->press = [this, i] { form_.xuan_Click(i); };
        piece->checked = [this, i] { return switchOf(form_.state, i) == Flag::Selected; };
        piece->mouse = [this, piece, i](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons,
                                        QPointF at) {
            const QRectF inside(QPointF(), QSizeF(piece->size()) * kTwipsPerPixel);
            panel_.toggleMouse(i, type, button, inside.contains(at));
        };
        follow(form_.xuan[i], piece, [piece] {
            if (!QAccessible::isActive())
                return;
            QAccessible::State checked;
            checked.checked = true;
            QAccessibleStateChangeEvent event(piece, checked);
            QAccessible::updateAccessibility(&event);
        });
        toggles_ << piece;
    }
}

void SliderPanelView::createStepButtons(QWidget* window)
{
    const QStringList names = {QStringLiteral("后退一步"), QStringLiteral("前进一步")};
    for (int i = 0; i < int(form_.shang_xia.size()); ++i) {
        auto* piece = new PanelPiece(PanelPiece::StepButton, i, window);
        piece->setAccessibleName(names[i]);
        piece->setToolTip(names[i]);
        piece->press = [this, i] {
            panel_.shang_xia_MouseDown(i, Qt::LeftButton);
            panel_.shang_xia_MouseUp(i, Qt::LeftButton);
        };
        piece->mouse = [this, i](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons, QPointF) {
            panel_.stepButtonMouse(i, type, button);
        };
        follow(form_.shang_xia[i], piece);
        stepButtons_ << piece;
    }
}

void SliderPanelView::createCaptions(QWidget* window)
{
    caption_ = new QLabel(window);
    label3_ = new QLabel(window);
    for (QLabel* label : {caption_, label3_}) {
        label->setTextFormat(Qt::PlainText);
        label->setObjectName(QStringLiteral("panelCaption"));
        label->setStyleSheet(QStringLiteral("#panelCaption { color: #3b4a5c; }"));
        label->installEventFilter(this);
    }
    follow(form_.Lab_biaoji, caption_, [this] { card_->place(form_); });
    follow(form_.Label3, label3_, [this] { card_->place(form_); });
}

void SliderPanelView::createKnobs(QWidget* window)
{
    const QStringList names = {QStringLiteral("声音"), QStringLiteral("速度"), QStringLiteral("进度"),
                               QStringLiteral("平衡")};
    for (int i = 0; i < KnobValues::kKnobs; ++i) {
        auto* piece = new PanelPiece(PanelPiece::Knob, i, window);
        piece->setAccessibleName(names[i]);
        piece->valueText = [this, i] { return ValueTip::text(form_.state, i).value_or(QString()); };
        piece->fraction = [this, i] { return KnobValues::fraction(form_.state, i); };
        piece->setFraction = [this, i](double r) { panel_.setKnobFraction(i, r); };
        piece->mouse = [this, i](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
                                 QPointF at) { panel_.knobMouse(i, type, button, buttons, at); };
        follow(form_.huakuai[i], piece, [piece] {
            if (!QAccessible::isActive())
                return;
            QAccessibleValueChangeEvent event(piece, piece->fraction().value_or(0) * 100);
            QAccessible::updateAccessibility(&event);
        });
        knobs_ << piece;
    }
}

void SliderPanelView::createTip(QWidget* window)
{
    tip_ = new QLabel(window);
    tip_->setObjectName(QStringLiteral("valueTip"));
    tip_->setTextFormat(Qt::PlainText);
    tip_->setAlignment(Qt::AlignCenter);
    tip_->setAttribute(Qt::WA_TransparentForMouseEvents);
    tip_->setStyleSheet(QStringLiteral(
        "QLabel#valueTip { background: #fdfdfe; color: #22303f; border: 1px solid #9fb0c3; font-size: 11px;"
        " border-radius: 3px; }"));
    follow(form_.xianshi_wenben, tip_);
}

// The captions take the mouse: a right release pops up the shortcut menu.
bool SliderPanelView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != caption_ && watched != label3_)
        return false;
    if (event->type() == QEvent::MouseButtonRelease) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (watched == caption_)
            panel_.Lab_biaoji_MouseUp(button);
        else
            panel_.Label3_MouseUp(button);
        return true;
    }
    return event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
}
