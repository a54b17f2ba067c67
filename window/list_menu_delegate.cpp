#include "window/list_menu_delegate.h"

#include <QPainter>
#include <QStyleOptionMenuItem>

namespace {

// A caption shown as it is: "&" is no access key and a tab no column.
QString literal(QString text)
{
    text.replace(QLatin1Char('&'), QLatin1String("&&"));
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return text;
}

} // namespace

QStyleOptionMenuItem ListMenuDelegate::menuOption(const QWidget* widget, const QString& text)
{
    QStyleOptionMenuItem opt;
    opt.initFrom(widget);
    opt.state |= QStyle::State_Enabled;
    opt.menuItemType = QStyleOptionMenuItem::Normal;
    opt.checkType = QStyleOptionMenuItem::NonExclusive;
    opt.text = text;
    opt.maxIconWidth = 0;
    opt.reservedShortcutWidth = 0;
    opt.menuRect = widget->rect();
    return opt;
}

int ListMenuDelegate::rowWidth(const QWidget* widget, const QString& caption)
{
    const QStyleOptionMenuItem opt = menuOption(widget, literal(caption));
    const QSize content(opt.fontMetrics.horizontalAdvance(caption), opt.fontMetrics.height());
    return widget->style()->sizeFromContents(QStyle::CT_MenuItem, &opt, content, widget).width();
}

void ListMenuDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    const QWidget* widget = option.widget;
    const QString caption = index.data(Qt::DisplayRole).toString();
    QStyleOptionMenuItem opt = menuOption(widget, QString());
    opt.rect = option.rect;
    // Only the current entry is drawn checkable, as a menu shows its check mark.
    opt.checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    if (!opt.checked)
        opt.checkType = QStyleOptionMenuItem::NotCheckable;
    if (option.state & QStyle::State_Selected)
        opt.state |= QStyle::State_Selected;
    // Room for the check column and margins, as the style lays a menu item out.
    const int spare = rowWidth(widget, QString());
    const int room = qMax(0, option.rect.width() - spare);
    opt.text = literal(opt.fontMetrics.elidedText(caption, Qt::ElideMiddle, room));
    widget->style()->drawControl(QStyle::CE_MenuItem, &opt, painter, widget);
}

QSize ListMenuDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QWidget* widget = option.widget;
    const QString text = QStringLiteral("列表");
    const QStyleOptionMenuItem opt = menuOption(widget, text);
    const QSize content(opt.fontMetrics.horizontalAdvance(text), opt.fontMetrics.height());
    (void)index;
    return widget->style()->sizeFromContents(QStyle::CT_MenuItem, &opt, content, widget);
}
