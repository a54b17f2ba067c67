#pragma once

#include <QLabel>

#include <functional>

// A label of the label menu bar. It draws its caption as a label with an
// access key does: "文件(&F)" shows 文件(F) with the F underlined, and
// text() is what it shows. To assistive technologies it is a button named
// by that text that opens a menu, with Alt and the access key as its
// shortcut: pressing it through them pops the menu up as a click would.
class MenuLabel : public QLabel {
    Q_OBJECT
public:
    MenuLabel(const QString& caption, QWidget* parent, std::function<void()> press);

    void press() const { press_(); }
    QString caption() const { return caption_; }

    // Lets assistive technologies see menu labels as buttons; called once.
    static void installAccessibility();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    std::function<void()> press_;
};
