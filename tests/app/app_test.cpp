// The real program on the test display: started as a user starts it,
// checked through what a person sees.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

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
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        app_.setProcessEnvironment(env);
        app_.start(APP_EXECUTABLE, {});
        ASSERT_TRUE(app_.waitForStarted());
        windowId_ = runTool("xdotool", {"search", "--sync", "--onlyvisible", "--pid",
                                        QString::number(app_.processId())})
                        .section('\n', 0, 0);
        ASSERT_FALSE(windowId_.isEmpty()) << "the main window never showed";
    }

    void TearDown() override
    {
        if (app_.state() == QProcess::NotRunning)
            return;
        app_.terminate();
        if (!app_.waitForFinished(5000))
            app_.kill();
    }

    QProcess app_;
    QString windowId_;
};

TEST_F(RunningApp, ShowsItsTitledWindowAtTheDesignedSize)
{
    EXPECT_EQ(runTool("xdotool", {"getwindowname", windowId_}), "璇音坊 10.90");
    const QString geometry = runTool("xdotool", {"getwindowgeometry", windowId_});
    EXPECT_TRUE(geometry.contains("800x560")) << geometry.toStdString();
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
