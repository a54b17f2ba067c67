#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <functional>

// The splash window Form8: one of the start pictures TUBIAO/QIDONGTU/1.jpg
// ... 5.jpg chosen at random, and the label "正在启动,请稍侯...". Its timer
// fires once, 100 ms after it shows, to bring up the main window.
class SplashWindow : public QWidget {
public:
    SplashWindow(const QString& programDir, std::function<void()> showMainWindow);

    // The picture file the splash chose (it may not exist).
    QString pictureFile() const { return pictureFile_; }
    bool showsPicture() const { return !Image3->pixmap().isNull(); }
    QString label() const { return Label1->text(); }

private:
    QLabel* Image3 = nullptr;
    QLabel* Label1 = nullptr;
    QTimer Timer1;
    QString pictureFile_;
};
