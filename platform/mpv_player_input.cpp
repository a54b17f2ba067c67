// The player's picture as a control: place, full screen, mouse events and
// the player's own context menu.
#include "platform/mpv_media_player.h"

#include "platform/mpv_video_surface.h"

#include <QCursor>
#include <QMenu>

namespace {

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int buttonsCode(Qt::MouseButtons buttons)
{
    return buttonCode(Qt::MouseButton(int(buttons & Qt::LeftButton)))
        | buttonCode(Qt::MouseButton(int(buttons & Qt::RightButton)))
        | buttonCode(Qt::MouseButton(int(buttons & Qt::MiddleButton)));
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

QWidget* MpvMediaPlayer::videoWidget() const
{
    return surface_->widget();
}

void MpvMediaPlayer::placeChanged()
{
    surface_->place(place().toPixels(), isVisible());
}

bool MpvMediaPlayer::fullScreen() const
{
    return surface_->isFullScreen();
}

// As with the classic control, only a medium with a picture goes full screen.
bool MpvMediaPlayer::setFullScreen(bool on)
{
    if (on && imageSourceWidth().value_or(0) <= 0)
        return false;
    surface_->setFullScreen(on);
    return true;
}

void MpvMediaPlayer::connectSurface()
{
    connect(surface_.get(), &MpvVideoSurface::mouseReleased, this,
            &MpvMediaPlayer::onMouseReleased);
    connect(surface_.get(), &MpvVideoSurface::mouseMoved, this, &MpvMediaPlayer::onMouseMoved);
}

void MpvMediaPlayer::onMouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                     QPointF pos, bool inside)
{
    const int code = buttonCode(button);
    if (code == 0)
        return;
    emit MouseUp(code, shiftCode(modifiers), pixelsToTwips(1) * pos.x(),
                 pixelsToTwips(1) * pos.y());
    if (inside)
        emit Click(code);
    if (inside && button == Qt::RightButton && contextMenu_)
        showContextMenu();
}

void MpvMediaPlayer::onMouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                                  QPointF pos)
{
    emit MouseMove(buttonsCode(buttons), shiftCode(modifiers), pixelsToTwips(1) * pos.x(),
                   pixelsToTwips(1) * pos.y());
}

void MpvMediaPlayer::showContextMenu()
{
    if (!menu_)
        menu_ = std::make_unique<QMenu>();
    menu_->clear();
    if (playState() == Playing)
        menu_->addAction("暂停", this, &MpvMediaPlayer::pause);
    else
        menu_->addAction("播放", this, &MpvMediaPlayer::play)->setEnabled(!url().isEmpty());
    QAction* full = menu_->addAction("全屏", this, [this] { setFullScreen(!fullScreen()); });
    full->setCheckable(true);
    full->setChecked(fullScreen());
    full->setEnabled(fullScreen() || imageSourceWidth().value_or(0) > 0);
    menu_->popup(QCursor::pos());
}
