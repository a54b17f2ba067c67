// The real program playing a generated tone, controlled from outside by
// playerctl over a session bus of the test's own, as media keys and the
// desktop's media controls do.
#include "app_folder.h"
#include "desktop/private_bus.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MprisApp : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (bus_.address().isEmpty())
            GTEST_SKIP() << "dbus-daemon did not start";
        if (QProcess::execute("sh", {"-c", "command -v playerctl >/dev/null && command -v sox >/dev/null"}) != 0)
            GTEST_SKIP() << "needs playerctl and sox";
        ASSERT_TRUE(copyFolder(QFileInfo(APP_EXECUTABLE).path(), dir_.filePath("app")));
        ASSERT_EQ(QProcess::execute("sox", {"-n", "-r", "44100", "-c", "2", tone(1), "synth", "30", "sine", "440"}), 0);
        ASSERT_EQ(QProcess::execute("sox", {"-n", "-r", "44100", "-c", "2", tone(2), "synth", "30", "sine", "660"}), 0);
    }

    void TearDown() override
    {
        if (app_.state() == QProcess::NotRunning)
            return;
        app_.kill();
        app_.waitForFinished(5000);
    }

    QString tone(int n) const { return dir_.filePath(QString("tone%1.wav").arg(n)); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", bus_.address());
        return env;
    }

    void launch(const QStringList& files)
    {
        app_.setProcessEnvironment(environment());
        app_.setWorkingDirectory(dir_.path());
        app_.start(dir_.filePath("app/xuanyinfang"), files);
        ASSERT_TRUE(app_.waitForStarted());
    }

    QString playerctl(const QStringList& args)
    {
        QProcess tool;
        tool.setProcessEnvironment(environment());
        tool.start("playerctl", QStringList{"-p", "xuanyinfang"} + args);
        if (!tool.waitForFinished(10000))
            tool.kill();
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }

    bool becomes(const QStringList& args, const QString& expected, int ms = 10000)
    {
        return QTest::qWaitFor([&] { return playerctl(args) == expected; }, ms);
    }

    PrivateBus bus_;
    QTemporaryDir dir_;
    QProcess app_;
};

TEST_F(MprisApp, PlayerctlControlsThePlayingProgram)
{
    launch({tone(1), tone(2)});
    ASSERT_TRUE(becomes({"status"}, "Playing", 15000)) << playerctl({"status"}).toStdString();
    EXPECT_EQ(playerctl({"metadata", "xesam:title"}), "tone1");
    EXPECT_EQ(playerctl({"metadata", "mpris:length"}), "30000000");

    playerctl({"pause"});
    EXPECT_TRUE(becomes({"status"}, "Paused"));
    playerctl({"play"});
    EXPECT_TRUE(becomes({"status"}, "Playing"));

    playerctl({"position", "20"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return playerctl({"position"}).toDouble() >= 19.0; }, 5000))
        << playerctl({"position"}).toStdString();

    playerctl({"next"});
    EXPECT_TRUE(becomes({"metadata", "xesam:title"}, "tone2"));

    playerctl({"volume", "0.5"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return qAbs(playerctl({"volume"}).toDouble() - 0.5) < 0.01; }, 5000));

    // Quit closes the program as its Exit item does: the list is stored.
    QProcess quit;
    quit.setProcessEnvironment(environment());
    quit.start("dbus-send", {"--session", "--type=method_call", "--dest=org.mpris.MediaPlayer2.xuanyinfang",
                             "/org/mpris/MediaPlayer2", "org.mpris.MediaPlayer2.Quit"});
    quit.waitForFinished(10000);
    ASSERT_TRUE(app_.waitForFinished(10000));
    QFile list(dir_.filePath("app/数据库/播放列表.qmx"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QByteArray saved = list.readAll();
    EXPECT_TRUE(saved.contains("tone1.wav") && saved.contains("tone2.wav")) << saved.toStdString();
}

} // namespace
