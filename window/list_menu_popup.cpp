#include "window/list_menu_popup.h"

#include "window/list_menu_delegate.h"
#include "window/list_menu_model.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListView>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// The widest captions are measured among this many of the longest.
constexpr int kMeasuredRows = 64;
constexpr int kMinimumWidth = 160;

} // namespace

ListMenuPopup::ListMenuPopup(const MenuArray& items, QWidget* parent)
    : QFrame(parent, Qt::Popup), items_(items), model_(new ListMenuModel(this)),
      view_(new QListView(this))
{
    setAccessibleName(QStringLiteral("列表"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(view_);

    view_->setModel(model_);
    view_->setItemDelegate(new ListMenuDelegate(view_));
    view_->setUniformItemSizes(true);
    view_->setFrameShape(QFrame::NoFrame);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setMouseTracking(true);
    view_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view_->setBackgroundRole(QPalette::Window);
    // As in a menu, the highlight follows the pointer once it moves; until
    // then it stays on the current entry.
    connect(view_, &QListView::entered, this, [this](const QModelIndex& row) {
        if (QCursor::pos() != openedAt_)
            view_->setCurrentIndex(row);
    });
    connect(view_, &QListView::clicked, this, &ListMenuPopup::activate);
    connect(view_, &QListView::activated, this, &ListMenuPopup::activate);
}

void ListMenuPopup::popup(const QPoint& globalPos)
{
    openedAt_ = QCursor::pos();
    model_->load(items_);
    const QScreen* screen = QGuiApplication::screenAt(globalPos);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    const QSize size = fittingSize(area);
    resize(size);
    layout()->activate(); // the view takes its size before it scrolls
    const int x = qBound(area.left(), globalPos.x(), qMax(area.left(), area.right() - size.width() + 1));
    const int y = qBound(area.top(), globalPos.y(), qMax(area.top(), area.bottom() - size.height() + 1));
    move(x, y);
    show();

    const QModelIndex current = model_->index(qMax(0, model_->currentRow()));
    view_->setCurrentIndex(current);
    view_->scrollTo(current, QAbstractItemView::PositionAtCenter);
    view_->setFocus();
}

// As wide as the widest caption and as tall as all rows, within the screen.
QSize ListMenuPopup::fittingSize(const QRect& screen) const
{
    int width = kMinimumWidth;
    for (const int row : model_->longestRows(kMeasuredRows)) {
        const QString caption = model_->index(row).data().toString();
        width = qMax(width, ListMenuDelegate::rowWidth(view_, caption));
    }
    const int rows = model_->rowCount();
    const int rowHeight = qMax(1, view_->sizeHintForRow(0));
    const int frame = 2 * (frameWidth() + 1);
    const qint64 all = qint64(qMax(1, rows)) * rowHeight + frame;
    const int height = int(qMin<qint64>(all, screen.height()));
    if (all > screen.height())
        width += view_->verticalScrollBar()->sizeHint().width();
    return {qMin(width + frame, screen.width() * 9 / 10), height};
}

void ListMenuPopup::activate(const QModelIndex& row)
{
    if (!isVisible() || !row.isValid())
        return;
    const int index = row.data(ListMenuModel::IndexRole).toInt();
    hide();
    emit itemClicked(index);
}

void ListMenuPopup::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QFrame::keyPressEvent(event);
}
