#pragma once

#include <QDesktopServices>
#include <QTextBrowser>
#include <QUrl>

#include <functional>

// The news pane WebBrowser1: shows a local page (text and pictures) without
// a browser engine. It is busy from the start of a load until the page is
// shown. It navigates nowhere by itself: a link asks for a new window,
// which the popup hands to the second pane.
class NewsPane : public QTextBrowser {
    Q_OBJECT
public:
    explicit NewsPane(QWidget* parent = nullptr);

    // Starts loading a page; it is shown at the next turn of the event loop.
    void navigate(const QUrl& page);
    bool Busy() const { return busy_; }
    // Silent: the pane reports nothing of its own (a missing page or picture).
    bool Silent = false;

signals:
    void DownloadBegin();
    void DownloadComplete();
    // A link of the page asks for a new window with this address.
    void NewWindow2(const QUrl& address);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void finishLoading(const QUrl& page);

    bool busy_ = false;
};

// The second pane WebBrowser2: receives the new windows the news page asks
// for. It cancels every navigation; a web address of more than 15
// characters goes to the user's browser, anything else is dropped.
class NewWindowPane {
public:
    // BeforeNavigate2; answers whether the navigation is cancelled (always).
    bool BeforeNavigate2(const QUrl& address) const;

    // Opens an address in the user's browser; tests record instead.
    std::function<bool(const QUrl&)> openUrl = &QDesktopServices::openUrl;
};
