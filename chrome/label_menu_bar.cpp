#include "chrome/label_menu_bar.h"

#include <QStringList>

QString LabelMenuBar::caption(int index)
{
    static const QStringList captions = {"文件(&F)", "控制(&C)", "音频(&A)", "图像(&T)",
                                         "选项(&X)", "列表(&L)", "帮助(&H)"};
    return captions.value(index);
}

QString LabelMenuBar::shownCaption(int index)
{
    const QString designed = caption(index);
    QString shown;
    for (int i = 0; i < designed.size(); ++i) {
        // "&x" shows x underlined, "&&" a single "&".
        if (designed[i] == u'&' && i + 1 < designed.size())
            ++i;
        shown += designed[i];
    }
    return shown;
}

QKeySequence LabelMenuBar::accessKey(int index)
{
    return QKeySequence::mnemonic(caption(index));
}

TwipsRect LabelMenuBar::labelPlace(int index)
{
    return {120.0 + 840.0 * index, 60, 855, 195};
}

QPointF LabelMenuBar::popupPoint(int index)
{
    const TwipsRect label = labelPlace(index);
    return {label.left - 60, label.top + label.height + 70};
}

void LabelMenuBar::Lab_caidan_MouseMove(int index)
{
    // Placed once per label entered, not on every move.
    if (!visible_ || place_.left != labelPlace(index).left - 50)
        highlight(index, hoverColour());
}

void LabelMenuBar::Lab_caidan_MouseUp(int index, Qt::MouseButton button)
{
    if (button == Qt::LeftButton) {
        highlight(index, pressedColour());
        if (popupMenu)
            popupMenu(index, popupPoint(index));
    } else if (button == Qt::RightButton && index == kListLabel) {
        highlight(index, pressedColour());
        if (popupSortMenu)
            popupSortMenu();
    }
}

void LabelMenuBar::hideHighlight()
{
    if (!visible_)
        return;
    visible_ = false;
    if (highlightChanged)
        highlightChanged();
}

void LabelMenuBar::highlight(int index, const QColor& colour)
{
    const TwipsRect label = labelPlace(index);
    place_ = {label.left - 50, label.top - 30, label.width, label.height + 55};
    colour_ = colour;
    visible_ = true;
    if (highlightChanged)
        highlightChanged();
}
