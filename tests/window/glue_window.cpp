#include "tests/window/glue_window.h"

#include "window/list_menu_popup.h"
#include "options/options_file.h"
#include "playlist/list_file.h"
#include "playlist/playlist_entries.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QMenu>
#include <QTest>

namespace {

constexpr int kLookMs = 10;

bool copyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const auto entries = QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        const QString target = to + "/" + entry.fileName();
        if (entry.fileName() == ".keep")
            continue;
        const bool ok = entry.isDir() ? copyFolder(entry.filePath(), target)
                                      : QFile::copy(entry.filePath(), target);
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

ModalCloser::ModalCloser()
{
    timer_.setInterval(kLookMs);
    connect(&timer_, &QTimer::timeout, this, &ModalCloser::look);
    timer_.start();
}

void ModalCloser::look()
{
    if (popupWanted_) {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popupWanted_ = false;
            caughtPopupSeen_ = true;
            caughtPopup_ = popup;
            popup->close();
            return;
        }
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    closedDialogs << modal->windowTitle();
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

GlueWindow::GlueWindow(const QStringList& savedList)
{
    copyFolder(SHIPPED_DATA_DIR, dir_.path());
    QDir(dir_.path()).mkdir("数据库");
    if (!savedList.isEmpty())
        ListFile::write(programPath(ListFile::kCurrentList), savedList);

    window_ = std::make_unique<MainWindow>();
    MainForm& f = form();
    f.programDir = dir_.path();
    f.quit.connect(qApp, [this] { ++quitCalls; });
    f.helpMenu.openUrl = [this](const QUrl& url) {
        openedUrls << url;
        return true;
    };
    f.systemVolume = &systemVolume;
    window_->load({}, QPoint(0, 0));
    // Drops are taken once the dispatcher's first tick ran the start step.
    waitUntil([&] { return form().acceptsDrops; });
}

GlueWindow::~GlueWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != window_.get() && w->isVisible())
            w->close();
    }
}

QStringList GlueWindow::savedList() const
{
    return ListFile::startupText(programPath(ListFile::kCurrentList))
        .split(u'\r', Qt::SkipEmptyParts);
}

QByteArray GlueWindow::savedOptions() const
{
    QFile file(programPath(OptionsFile::kPath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void GlueWindow::removeSavedFiles() const
{
    QFile::remove(programPath(ListFile::kCurrentList));
    QFile::remove(programPath(OptionsFile::kPath));
}

QStringList GlueWindow::entries() const
{
    return PlaylistEntries::fullPaths(window_->form().liebiao, window_->form().state.entry_dirs);
}

int GlueWindow::currentEntry() const
{
    return PlaylistEntries::current(window_->form().liebiao);
}

QList<QMenu*> GlueWindow::topMenus() const
{
    const QList<QMenu*> all = window_->findChildren<QMenu*>();
    QList<QMenu*> tops;
    for (QMenu* menu : all) {
        bool inside = false;
        for (QMenu* other : all)
            inside = inside || other->actions().contains(menu->menuAction());
        if (!inside)
            tops << menu;
    }
    return tops;
}

QMenu* GlueWindow::topMenu(const QString& title) const
{
    for (QMenu* menu : topMenus()) {
        if (menu->title() == title)
            return menu;
    }
    return nullptr;
}

bool GlueWindow::choose(QMenu* menu, const QString& caption)
{
    // The items are rebuilt from the model as the menu opens.
    menu->popup(QPoint(20, 20));
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == caption && action->isEnabled() && !action->menu())
            chosen = action;
    }
    menu->close();
    if (!chosen)
        return false;
    chosen->trigger();
    return true;
}

bool GlueWindow::choosePath(const QStringList& path)
{
    QMenu* menu = topMenu(path.value(0));
    for (int i = 1; menu && i + 1 < path.size(); ++i) {
        QMenu* next = nullptr;
        menu->popup(QPoint(20, 20));
        for (QAction* action : menu->actions()) {
            if (action->text() == path[i] && action->menu())
                next = action->menu();
        }
        menu->close();
        menu = next;
    }
    return menu && path.size() >= 2 && choose(menu, path.last());
}

bool GlueWindow::chooseListEntry(int index)
{
    auto* list = window_->findChild<ListMenuPopup*>();
    if (!list)
        return false;
    list->popup(QPoint(20, 20));
    QListView* view = list->view();
    const QModelIndex row = view->model()->index(index, 0);
    if (!row.isValid()) {
        list->close();
        return false;
    }
    view->scrollTo(row);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(row).center());
    return true;
}
