#pragma once

#include "window/main_window.h"
#include "doubles/fake_system_volume.h"

#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>

class QMenu;

// Waits for a condition while events run; false when the time ran out.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);

// Answers every modal dialog as soon as it shows: dialogs are rejected
// (cancelled, "No"), other modal windows closed. Popup menus opened with a
// blocking exec() are closed too once a popup catch is asked for.
class ModalCloser : public QObject {
public:
    ModalCloser();

    // The titles of the modal windows closed so far.
    QStringList closedDialogs;
    // The next popup that shows is recorded and closed.
    void catchNextPopup() { popupWanted_ = true; caughtPopup_.clear(); }
    QWidget* caughtPopup() const { return caughtPopup_; }
    bool popupCaught() const { return caughtPopupSeen_; }

private:
    void look();

    QTimer timer_;
    bool popupWanted_ = false;
    bool caughtPopupSeen_ = false;
    QPointer<QWidget> caughtPopup_;
};

// The real main window, loaded as the program loads it, over a program
// folder of the test's own: the shipped data folders and an empty 数据库.
// The desktop's services (the system's volume, the web browser, ending the
// program) are replaced by recorders.
class GlueWindow {
public:
    // The current list the program finds at start-up.
    explicit GlueWindow(const QStringList& savedList = {});
    ~GlueWindow();

    MainWindow& window() { return *window_; }
    MainForm& form() { return window_->form(); }
    QString programPath(const QString& relative) const { return dir_.filePath(relative); }

    // The list file and the options file, as the program left them.
    QStringList savedList() const;
    QByteArray savedOptions() const;
    void removeSavedFiles() const;

    // The entries of the playlist, as full paths.
    QStringList entries() const;
    int currentEntry() const;

    // The top-level menus the window built (File, Control, ..., shortcut,
    // sort), each by its title.
    QMenu* topMenu(const QString& title) const;
    QList<QMenu*> topMenus() const;
    // Opens the menu, finds the item with this caption and chooses it as a
    // click would; false when the menu has no such enabled item.
    static bool choose(QMenu* menu, const QString& caption);
    // Chooses the item at the end of a path of captions from a top menu.
    bool choosePath(const QStringList& path);
    // Chooses entry `index` in the List menu popup.
    bool chooseListEntry(int index);

    ModalCloser closer;
    int quitCalls = 0;
    QList<QUrl> openedUrls;
    FakeSystemVolume systemVolume;

private:
    QTemporaryDir dir_;
    std::unique_ptr<MainWindow> window_;
};
