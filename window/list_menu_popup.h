#pragma once

#include "core/menu_array.h"

#include <QFrame>

class QListView;
class ListMenuModel;

// The List menu: a popup that shows the playlist's entries like a menu,
// with the check mark on the current entry. A list may hold 32767
// entries, so only the rows on screen are drawn and the popup scrolls;
// the rows are taken from the playlist each time the popup opens.
class ListMenuPopup : public QFrame {
    Q_OBJECT
public:
    explicit ListMenuPopup(const MenuArray& items, QWidget* parent = nullptr);

    // Opens at a point of the screen, scrolled to the current entry.
    void popup(const QPoint& globalPos);
    QListView* view() const { return view_; }

signals:
    void itemClicked(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void activate(const QModelIndex& row);
    QSize fittingSize(const QRect& screen) const;

    const MenuArray& items_;
    ListMenuModel* model_;
    QListView* view_;
    QPoint openedAt_;
};
