#pragma once

#include "news/window/news_popup.h"

#include <QDesktopServices>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

class Form1;
class HelpMenu;
class NewsScheduler;
class OnlineState;

// Loads and shows the news popup for Help item "新闻资讯(&W)" and for the
// scheduler, which also learns from here whether the computer is online.
// One popup at a time: showing it while it is there only brings it forward.
class NewsPopupHost : public QObject {
    Q_OBJECT
public:
    NewsPopupHost(Form1& form, HelpMenu& help, NewsScheduler& scheduler, QObject* parent);
    ~NewsPopupHost() override;

    // The modeless show of form_tan: loads it first when it is not loaded.
    void show();
    // Whether the popup's news pane is busy; loads the popup unseen.
    bool paneBusy();
    // The popup while it is loaded and not fading out.
    NewsPopup* popup() const;

    // Random numbers in [0, 1) for the header picture; seeded from the time of day.
    std::function<double()> random;
    // Opens a web address in the user's browser.
    std::function<bool(const QUrl&)> openUrl = &QDesktopServices::openUrl;

private:
    NewsPopup& load();

    Form1& form_;
    OnlineState* online_ = nullptr;
    QPointer<NewsPopup> popup_;
};
