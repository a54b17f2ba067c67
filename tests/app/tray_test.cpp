// The program's tray icon as the two protocols of Linux desktops show it:
// a status notifier host on a private session bus, and an X11
// notification area (trayer). The menu is read and its items chosen from
// outside the program, as a panel does.
#include "app_folder.h"
#include "status_notifier_watcher.h"

#include <QDBusConnection>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    tool.waitForFinished(10000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

// A private session bus with a watcher on it, and the program started on
// it in a folder of its own.
class TrayApp : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the test display";
        ASSERT_TRUE(copyFolder(QFileInfo(APP_EXECUTABLE).path(), appDir()));
        wm_.start("openbox", {});
        bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(bus_.waitForReadyRead(5000));
        address_ = QString::fromUtf8(bus_.readLine()).trimmed();
        QDBusConnection bus = QDBusConnection::connectToBus(address_, "tray-test");
        ASSERT_TRUE(bus.isConnected());
        watcher_ = new StatusNotifierWatcher(&watcherObject_);
        ASSERT_TRUE(bus.registerObject("/StatusNotifierWatcher", &watcherObject_));
        ASSERT_TRUE(bus.registerService("org.kde.StatusNotifierWatcher"));
    }

    void TearDown() override
    {
        if (app_.state() != QProcess::NotRunning) {
            app_.kill();
            app_.waitForFinished(5000);
        }
        QDBusConnection::disconnectFromBus("tray-test");
        for (QProcess* p : {&bus_, &wm_}) {
            p->terminate();
            p->waitForFinished(3000);
        }
    }

    QString appDir() const { return dir_.filePath("app"); }

    void launch()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("DBUS_SESSION_BUS_ADDRESS", address_);
        app_.setProcessEnvironment(env);
        app_.start(appDir() + "/xuanyinfang", {});
        ASSERT_TRUE(app_.waitForStarted());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !watcher_->items().isEmpty(); }, 10000))
            << "no item registered";
        item_ = watcher_->items().first();
    }

    QString busctl(const QStringList& arguments) const
    {
        return runTool("busctl", QStringList{"--address=" + address_, "--json=short"} + arguments);
    }

    // The tray menu's items as the panel reads them: label by item id.
    QMap<QString, int> menuItems() const
    {
        const QString menuPath = QJsonDocument::fromJson(
            busctl({"get-property", item_, "/StatusNotifierItem",
                    "org.kde.StatusNotifierItem", "Menu"}).toUtf8())["data"].toString();
        const QJsonDocument layout = QJsonDocument::fromJson(
            busctl({"call", item_, menuPath, "com.canonical.dbusmenu", "GetLayout", "iias", "0",
                    "10", "0"}).toUtf8());
        QMap<QString, int> items;
        const QJsonArray children = layout["data"][1][2].toArray();
        for (const QJsonValue& child : children) {
            const QJsonArray node = child["data"].toArray();
            const QJsonObject props = node[1].toObject();
            const QString type = props["type"]["data"].toString();
            const bool hidden = props.contains("visible") && !props["visible"]["data"].toBool();
            if (hidden)
                continue;
            items.insert(type == "separator" ? QString("-%1").arg(node[0].toInt())
                                             : props["label"]["data"].toString(),
                         node[0].toInt());
        }
        menuPath_ = menuPath;
        return items;
    }

    void click(int id) const
    {
        busctl({"call", item_, menuPath_, "com.canonical.dbusmenu", "Event", "isvu",
                QString::number(id), "clicked", "i", "0", "0"});
    }

    QString mainWindowId() const
    {
        for (const QString& id : runTool("xdotool", {"search", "--onlyvisible", "--name", "璇音坊"})
                                     .split('\n', Qt::SkipEmptyParts)) {
            if (runTool("xdotool", {"getwindowgeometry", "--shell", id}).contains("WIDTH=8"))
                return id;
        }
        return {};
    }
    QString windowState(const QString& id) const
    {
        return runTool("xprop", {"-id", id, "_NET_WM_STATE"});
    }

    QTemporaryDir dir_;
    QProcess wm_;
    QProcess bus_;
    QProcess app_;
    QString address_;
    QObject watcherObject_;
    StatusNotifierWatcher* watcher_ = nullptr;
    QString item_;
    mutable QString menuPath_;
};

TEST_F(TrayApp, StatusNotifierMenuReadAndChosenFromOutside)
{
    launch();
    const QString tip = busctl({"get-property", item_, "/StatusNotifierItem",
                                "org.kde.StatusNotifierItem", "ToolTip"});
    EXPECT_TRUE(tip.contains("璇音坊 10.90")) << tip.toStdString();

    QMap<QString, int> items;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (items = menuItems()).contains("退出(_F)"); }, 5000));
    for (const char* label : {"播放文件(_O)", "播放(_B)", "暂停(_P)", "停止(_T)", "软件主页(_H)",
                              "新闻资讯(_W)", "什么都不做(_M)", "退出(_F)"})
        EXPECT_TRUE(items.contains(label)) << label;

    click(items.value("什么都不做(_M)"));
    QTest::qWait(300);
    EXPECT_EQ(app_.state(), QProcess::Running);

    click(items.value("退出(_F)"));
    ASSERT_TRUE(app_.waitForFinished(5000));
    EXPECT_EQ(app_.exitCode(), 0);
    EXPECT_TRUE(QFile::exists(appDir() + "/数据库/选项.bfq"));
    EXPECT_TRUE(QFile::exists(appDir() + "/数据库/播放列表.qmx"));
}

TEST_F(TrayApp, ActivatingTheItemRestoresTheMinimizedWindow)
{
    launch();
    QString id;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(id = mainWindowId()).isEmpty(); }, 5000));
    QTest::qWait(300);
    runTool("xdotool", {"windowminimize", id});
    ASSERT_TRUE(QTest::qWaitFor([&] { return windowState(id).contains("HIDDEN"); }, 3000));
    QTest::qWait(300);
    busctl({"call", item_, "/StatusNotifierItem", "org.kde.StatusNotifierItem", "Activate", "ii",
            "0", "0"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !windowState(id).contains("HIDDEN"); }, 3000))
        << windowState(id).toStdString();
}

} // namespace
