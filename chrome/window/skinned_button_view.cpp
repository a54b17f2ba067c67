#include "chrome/window/skinned_button_view.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

QString underDir(const QString& dir, const QString& relative)
{
    return dir.endsWith(QLatin1Char('/')) ? dir + relative : dir + QLatin1Char('/') + relative;
}

} // namespace

SkinnedButtonView::SkinnedButtonView(SkinnedButtons& buttons, int index, const QString& programDir,
                                     QWidget* parent)
    : QAbstractButton(parent), buttons_(buttons), index_(index), programDir_(programDir)
{
    setText(buttons.button(index).caption);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QAbstractButton::pressed, this, [this] { buttons_.pressed(index_); });
    connect(this, &QAbstractButton::released, this, [this] { buttons_.released(index_); });
    refresh();
}

QColor SkinnedButtonView::captionColour() const
{
    if (buttons_.button(index_).blue)
        return QColor::fromRgb(SkinnedButtons::BlueRgb);
    return palette().color(QPalette::ButtonText);
}

void SkinnedButtonView::refresh()
{
    QImage picture(underDir(programDir_, SkinnedButtons::faceFile(buttons_.button(index_).face)));
    if (!picture.isNull())
        face_ = picture;
    update();
}

void SkinnedButtonView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!face_.isNull())
        painter.drawImage(rect(), face_);
    painter.setPen(captionColour());
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        painter.setPen(QPen(captionColour(), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void SkinnedButtonView::mouseMoveEvent(QMouseEvent* event)
{
    buttons_.pointerOverButton(index_);
    QAbstractButton::mouseMoveEvent(event);
    // A move over the button is never one over the window's background.
    event->accept();
}

void SkinnedButtonView::enterEvent(QEnterEvent* event)
{
    buttons_.pointerOverButton(index_);
    QAbstractButton::enterEvent(event);
}

SkinnedButtonRow::SkinnedButtonRow(SkinnedButtons& buttons, const QString& programDir, QWidget* window)
    : QObject(window), buttons_(buttons), window_(window)
{
    for (int i = 0; i < buttons.count(); ++i) {
        auto* view = new SkinnedButtonView(buttons, i, programDir, window);
        connect(view, &QAbstractButton::clicked, this, [this, i] { emit clicked(i); });
        views_.append(view);
    }
    buttons.changed.connect(this, [this](int i) {
        if (i >= 0 && i < views_.size())
            views_.at(i)->refresh();
    });
    window->setMouseTracking(true);
    window->installEventFilter(this);
}

bool SkinnedButtonRow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::MouseMove)
        buttons_.pointerOverBackground();
    return QObject::eventFilter(watched, event);
}
