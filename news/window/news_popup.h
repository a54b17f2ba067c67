#pragma once

#include "news/popup_layout.h"
#include "news/window/news_pane.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <functional>

// The news popup form_tan: a borderless window on top of all others at the
// bottom right of the screen, just above the panel. Its load places it,
// picks one of ten header pictures, starts the rise (the window region
// grows upwards every 10 ms) and loads the news page. Closing it fades it
// out in 25 steps before it goes.
class NewsPopup : public QWidget {
    Q_OBJECT
public:
    // The folder holds the background, the header pictures 标题0.png to
    // 标题9.png and the page 新闻.html; random gives numbers in [0, 1).
    NewsPopup(const QString& folder, const std::function<double()>& random);

    NewsPane& WebBrowser1() { return *pane_; }
    NewWindowPane& WebBrowser2() { return secondPane_; }
    const RevealBand& band() const { return band_; }
    int headerPicture() const { return header_; }
    bool fading() const { return fading_; }

    QTimer Timer1; // the rise
    int fade_pause = 0; // milliseconds between two steps of the fade-out

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls(const QString& folder);
    void Form_Load(const QString& folder, const std::function<double()>& random);
    void placeAtBottomRight();
    void Timer1_Timer();
    void fadeOut();

    RevealBand band_{NewsPopupLayout::kWidth, NewsPopupLayout::kHeight};
    QLabel* Picture2_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* Picture1_ = nullptr;
    NewsPane* pane_ = nullptr;
    NewWindowPane secondPane_;
    int header_ = -1;
    bool fading_ = false;
    bool faded_ = false;
};
