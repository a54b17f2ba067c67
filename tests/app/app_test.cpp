// The real program on the test display: started as a user starts it,
// checked through what a person sees and the files it leaves.
#include "app_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

namespace {

QString runTool(const QString& program, const QStringList& args, int timeoutMs = 15000)
{
    QProcess tool;
    tool.start(program, args);
    if (!tool.waitForFinished(timeoutMs))
        tool.kill();
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

class RunningApp : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the test display";
        ASSERT_TRUE(copyFolder(QFileInfo(APP_EXECUTABLE).path(), appDir()));
    }

    void TearDown() override
    {
        if (app_.state() == QProcess::NotRunning)
            return;
        app_.kill();
        app_.waitForFinished(5000);
    }

    QString appDir() const { return dir_.filePath("app"); }

    void launch(const QStringList& arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        app_.setProcessEnvironment(env);
        app_.setWorkingDirectory(dir_.path());
        app_.start(appDir() + "/xuanyinfang", arguments);
        ASSERT_TRUE(app_.waitForStarted());
        // The splash shows first and closes about a second after the main
        // window appears. Video surfaces are native child windows that carry
        // only the application's name; a message box may stand beside the
        // main window, which is the widest of the rest.
        const bool shown = QTest::qWaitFor(
            [&] {
                windowId_.clear();
                int widest = 0;
                for (const QString& id : runTool("xdotool", {"search", "--onlyvisible", "--pid",
                                                             QString::number(app_.processId())})
                                             .split('\n', Qt::SkipEmptyParts)) {
                    const QString name = title(id);
                    const int width = windowWidth(id);
                    if (name.isEmpty() || name == "璇音坊" || name == "璇音坊 10.90" || width <= widest)
                        continue;
                    widest = width;
                    windowId_ = id;
                }
                return !windowId_.isEmpty();
            },
            10000);
        ASSERT_TRUE(shown) << "no main window showed";
    }

    QString title() const { return title(windowId_); }
    // Some rotation of the idle text is in the title bar.
    bool showsIdleTitle() const
    {
        const QString text = "  璇音坊 10.90      ";
        const QString seen = title();
        return seen.size() == text.size() && (text + text).contains(seen);
    }
    static QString title(const QString& id) { return runTool("xdotool", {"getwindowname", id}); }
    static int windowWidth(const QString& id)
    {
        const QString geometry = runTool("xdotool", {"getwindowgeometry", "--shell", id});
        return geometry.section("WIDTH=", 1).section('\n', 0, 0).toInt();
    }

    QStringList savedList() const
    {
        QFile file(appDir() + "/数据库/播放列表.qmx");
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringDecoder gb18030("GB18030");
        return QString(gb18030(file.readAll())).split("\r\n", Qt::SkipEmptyParts);
    }

    QTemporaryDir dir_;
    QProcess app_;
    QString windowId_;
};

TEST_F(RunningApp, ShowsItsWindowWithTheScrollingTitle)
{
    launch({});
    EXPECT_TRUE(showsIdleTitle());
    const QString geometry = runTool("xdotool", {"getwindowgeometry", windowId_});
    EXPECT_TRUE(geometry.contains("800x")) << geometry.toStdString();
}

TEST_F(RunningApp, EndingOnSignalKeepsTheListForTheNextStart)
{
    const QString tone = dir_.filePath("tone.wav");
    runTool("ffmpeg", {"-loglevel", "error", "-y", "-f", "lavfi", "-i",
                       "sine=frequency=440:duration=30", tone});
    ASSERT_TRUE(QFileInfo::exists(tone));
    launch({"tone.wav", tone});
    // The first entry plays: its path scrolls in the title.
    EXPECT_TRUE(QTest::qWaitFor([&] { return title().contains("tone"); }, 5000))
        << title().toStdString();
    ::kill(pid_t(app_.processId()), SIGTERM);
    ASSERT_TRUE(app_.waitForFinished(5000));
    EXPECT_EQ(savedList(), QStringList({tone, tone}));

    launch({});
    // The list came back, nothing plays: the title scrolls the idle text,
    // and closing writes the same list again.
    EXPECT_TRUE(showsIdleTitle()) << title().toStdString();
    ::kill(pid_t(app_.processId()), SIGTERM);
    ASSERT_TRUE(app_.waitForFinished(5000));
    EXPECT_EQ(savedList(), QStringList({tone, tone}));
}

TEST(AppFolder, ExecutableSitsBesideItsDataFolders)
{
    const QDir app = QFileInfo(APP_EXECUTABLE).dir();
    for (const char* folder : {"tubiao", "tubiao/skin", "TUBIAO/QIDONGTU", "开始画面", "背景图",
                               "璇音坊帮助", "数据库"})
        EXPECT_TRUE(app.exists(folder)) << folder;
    EXPECT_FALSE(QFileInfo::exists(app.filePath("开始画面/.keep")));
}

} // namespace
