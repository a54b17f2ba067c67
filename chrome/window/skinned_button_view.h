#pragma once

#include "chrome/skinned_button.h"

#include <QAbstractButton>
#include <QImage>
#include <QObject>
#include <QVector>

// One skinned button on screen: its face picture stretched over the button
// with the caption centred on it, blue while lit, else the system colour for
// button text. To assistive technology it is a push button named by its
// caption. The face is read from its file each time it changes; a file that
// cannot be read leaves the face shown before.
class SkinnedButtonView : public QAbstractButton {
    Q_OBJECT
public:
    SkinnedButtonView(SkinnedButtons& buttons, int index, const QString& programDir, QWidget* parent);

    int index() const { return index_; }
    const QImage& face() const { return face_; }
    QColor captionColour() const;
    // Reads the model's face and caption colour again and repaints.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    SkinnedButtons& buttons_;
    int index_;
    QString programDir_;
    QImage face_;
};

// Every button of one SkinnedButtons as views on a window. It watches the
// window for pointer moves over its background (also over child widgets
// that are not buttons), which take the highlight off every button.
//
// Usage:
//   SkinnedButtons buttons({"注    册", "关    闭"});
//   auto* row = new SkinnedButtonRow(buttons, programDir, window);
//   row->view(0)->setGeometry(...);
//   QObject::connect(row, &SkinnedButtonRow::clicked, window, [](int i) { ... });
class SkinnedButtonRow : public QObject {
    Q_OBJECT
public:
    SkinnedButtonRow(SkinnedButtons& buttons, const QString& programDir, QWidget* window);

    SkinnedButtonView* view(int i) const { return views_.at(i); }

signals:
    // Button i was clicked (pressed and released on it, or pressed by key).
    void clicked(int i);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SkinnedButtons& buttons_;
    QWidget* window_;
    QVector<SkinnedButtonView*> views_;
};
