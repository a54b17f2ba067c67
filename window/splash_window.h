#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <functional>

// The splash window Form8: one of the start pictures TUBIAO/QIDONGTU/1.jpg
// ... 5.jpg chosen at random, and the label "正在启动,请稍侯...". Its timer
// fires once, 100 ms after it is made, to bring up the main window.
class SplashWindow : public QWidget {
public:
    SplashWindow(const QString& programDir, std::function<void()> showMainWindow);

    // Called once, in the turn after the splash was first drawn: work that
    // may run while the splash waits goes here, behind a visible splash.
    void whenDrawn(std::function<void()> work) { whenDrawn_ = std::move(work); }

    // The picture file the splash chose (it may not exist).
    QString pictureFile() const { return pictureFile_; }
    bool showsPicture() const { return !Image3->pixmap().isNull(); }
    QString label() const { return Label1->text(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> whenDrawn_;
    QLabel* Image3 = nullptr;
    QLabel* Label1 = nullptr;
    QTimer Timer1;
    QString pictureFile_;
};
