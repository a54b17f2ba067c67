#include "chrome/floating_toolbar.h"

#include "chrome/toolbar_design.h"
#include "core/designed_menus.h"
#include "core/menu_array.h"
#include "platform/window_frame.h"

#include <QtGlobal>

namespace {

// A toolbar that lies (partly) beyond the right or left edge of the screen
// comes back onto it, so none of its buttons is out of reach.
int keptOnScreen(int left, int width, const QRect& screen)
{
    if (screen.isEmpty())
        return left;
    return qMax(screen.left(), qMin(left, screen.left() + screen.width() - width));
}

} // namespace

Form4::Form4(const Form4Parts& parts) : parts_(parts)
{
    QObject::connect(&Timer1, &QTimer::timeout, &Timer1, [this] { Timer1_Timer(); });
    QObject::connect(&Timer2, &QTimer::timeout, &Timer2, [this] { Timer2_Timer(); });
    toolTips[ToolbarButton::Play] = QStringLiteral("播放");
    toolTips[ToolbarButton::Pause] = QStringLiteral("暂停");
    toolTips[ToolbarButton::Back] = QStringLiteral("后退");
    toolTips[ToolbarButton::Forward] = QStringLiteral("前进");
    toolTips[ToolbarButton::Stop] = QStringLiteral("停止");
    toolTips[ToolbarButton::Previous] = QStringLiteral("上一首");
    toolTips[ToolbarButton::Next] = QStringLiteral("下一首");
    toolTips[ToolbarButton::MinimizeRestore] = QStringLiteral("最小化");
    toolTips[ToolbarButton::Close] = QStringLiteral("关闭工具条");
}

void Form4::Form_Load()
{
    Timer1.setInterval(50);
    Timer2.setInterval(1000);
    if (window) {
        QRect rect = window->windowRect();
        rect.moveLeft(twipsToPixels(ToolbarDesign::LoadLeft));
        setRect(rect);
    }
    setBackColor(ToolbarDesign::BackColor);
    Get_Windows_Rect();
    strip.setPicture(picturePath(StripLook::Normal));
    Timer1.start();
    Timer2.start();
    changed();
}

void Form4::Get_Windows_Rect()
{
    full_height = ToolbarDesign::FullHeight;
    setHeight(ToolbarDesign::FullHeight);
    if (!window)
        return;
    QRect rect = window->windowRect();
    rect.moveTop(0);
    rect.moveLeft(keptOnScreen(rect.left(), rect.width(), window->screenRect()));
    setRect(rect);
    toolbar_rect = window->windowRect();
}

void Form4::Show()
{
    if (window)
        window->setVisible(true);
}

void Form4::Hide()
{
    if (window)
        window->setVisible(false);
}

bool Form4::isVisible() const
{
    return window && window->isVisible();
}

void Form4::setHeight(double twips)
{
    height_ = twips;
    if (!window)
        return;
    QRect rect = window->windowRect();
    rect.setHeight(twipsToPixels(twips));
    setRect(rect);
}

double Form4::Left() const
{
    return window ? pixelsToTwips(window->windowRect().left()) : 0;
}

double Form4::Top() const
{
    return window ? pixelsToTwips(window->windowRect().top()) : 0;
}

double Form4::Width() const
{
    return window ? pixelsToTwips(window->windowRect().width()) : ToolbarDesign::Width;
}

void Form4::setRect(const QRect& rect)
{
    if (window && window->windowRect() != rect)
        window->moveWindow(rect);
}

void Form4::setBackColor(unsigned colour)
{
    if (BackColor == colour)
        return;
    BackColor = colour;
    changed();
}

void Form4::setMovePointer(bool move)
{
    if (movePointer == move)
        return;
    movePointer = move;
    changed();
}

bool Form4::restoreSet() const
{
    return parts_.window.windowState() == WindowFrame::Minimized;
}

QString Form4::picturePath(StripLook look) const
{
    return parts_.programPath(stripPictureName(look, restoreSet()));
}

void Form4::paintNormalStrip()
{
    if (strip.load(picturePath(StripLook::Normal)))
        strip.paintWhole();
    changed();
}

void Form4::paintButtonBlock(StripLook look, int index)
{
    if (strip.load(picturePath(look)))
        strip.paintBlock(ToolbarDesign::blockLeft(index));
    changed();
}
