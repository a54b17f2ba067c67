// What reaches the window from the desktop and ends in files: drops, the
// logout save, and a close that comes while an entry is still opening.
#include "tests/window/glue_window.h"
#include "tests/window/glue_media.h"

#include "platform/test_media.h"

#include <QDropEvent>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

void drop(QWidget& window, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    const QPointF at(200, 200);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent event(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &event);
}

TEST(MainWindowFiles, DroppedFilesAreAppendedAndTheFirstPlays)
{
    const QStringList saved = glueMedia().list().mid(0, 1);
    GlueWindow w(saved);
    const QString one = testMedia().tone("dropped1.wav", 2);
    const QString two = testMedia().tone("dropped2.wav", 2);
    const QString folder = testMedia().path("");

    drop(w.window(), {one, folder, two});

    EXPECT_EQ(w.entries(), (QStringList{saved[0], one, two}));
    EXPECT_TRUE(waitUntil([&] { return w.form().state.tuofang.isEmpty(); }));
    EXPECT_EQ(w.currentEntry(), 1);
}

TEST(MainWindowFiles, LogoutSavesTheListAndTheOptions)
{
    GlueWindow w(glueMedia().list());
    w.removeSavedFiles();
    ASSERT_TRUE(GlueWindow::choose(w.topMenu("排序"), "按文件名称排序(&W)"));
    ASSERT_TRUE(w.choosePath({"选项(&X)", "循环播放(&X)", "单首(&D)"}));

    // QSessionManager has no public constructor, and binding a reference to
    // a null one is undefined; the window's handler does not look at the
    // session, so the signal goes out with no argument behind it.
    void* noSession[] = {nullptr, nullptr};
    const QMetaObject& meta = QGuiApplication::staticMetaObject;
    const int signal = QMetaMethod::fromSignal(&QGuiApplication::commitDataRequest).methodIndex();
    QMetaObject::activate(qApp, &meta, signal - meta.methodOffset(), noSession);

    QStringList names = glueMedia().list();
    names.sort();
    EXPECT_EQ(w.savedList(), names);
    const QList<QByteArray> lines = w.savedOptions().split('\n');
    ASSERT_GE(lines.size(), 8);
    EXPECT_EQ(lines[0], "1\r");
    // A logout is no close: the program goes on.
    EXPECT_TRUE(w.form().state.closing.isEmpty());
    EXPECT_EQ(w.quitCalls, 0);
}

// The close box pressed while the window waits for an entry to open: the
// list on disk holds every entry, and the program ends once.
TEST(MainWindowFiles, CloseWhileAnEntryOpensLeavesTheWholeList)
{
    QStringList list = glueMedia().list();
    list << testMedia().video("clip.mp4", 2);
    GlueWindow w(list);
    w.removeSavedFiles();

    bool closedDuringOpen = false;
    QTimer closeSoon;
    closeSoon.setInterval(1);
    QObject::connect(&closeSoon, &QTimer::timeout, [&] {
        if (w.form().state.opening_entry.isEmpty())
            return;
        closeSoon.stop();
        closedDuringOpen = true;
        w.window().close();
    });
    closeSoon.start();
    ASSERT_TRUE(w.chooseListEntry(3));

    ASSERT_TRUE(closedDuringOpen);
    EXPECT_TRUE(waitUntil([&] { return w.quitCalls > 0; }));
    EXPECT_EQ(w.savedList(), list);
    EXPECT_EQ(w.savedOptions().count("\r\n"), 8);
    EXPECT_EQ(w.quitCalls, 1);
}

} // namespace
