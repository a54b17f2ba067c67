#pragma once

#include <QStyledItemDelegate>

class QStyleOptionMenuItem;

// Draws a row of the List menu as the style draws a menu item: highlight
// under the pointer, check mark on the current entry, long paths cut in
// the middle.
class ListMenuDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The width a row needs to show a caption whole.
    static int rowWidth(const QWidget* widget, const QString& caption);

private:
    static QStyleOptionMenuItem menuOption(const QWidget* widget, const QString& text);
};
