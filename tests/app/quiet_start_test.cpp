// The real program started on a machine without sound (no card, no sound
// server) and without a session's runtime folder: it starts and ends
// without printing the sound library's or Qt's complaints about them.
#include "app_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A sound server's socket that hangs up on the first caller and then stops
// listening, so the test knows when the program asked for the sound, and
// later calls are refused at once as with no server at all.
class DeadSoundServer {
public:
    explicit DeadSoundServer(const QString& path)
    {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        qstrncpy(address.sun_path, name.constData(), sizeof address.sun_path);
        listening_ = fd_ >= 0 && ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
                     && ::listen(fd_, 8) == 0;
    }
    ~DeadSoundServer()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool listening() const { return listening_; }
    // True once anyone has called.
    bool called()
    {
        if (called_ || fd_ < 0)
            return called_;
        const int caller = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (caller < 0)
            return false;
        ::close(caller);
        ::close(fd_);
        fd_ = -1;
        called_ = true;
        return true;
    }

private:
    int fd_ = -1;
    bool listening_ = false;
    bool called_ = false;
};

struct Start {
    QString stderrText;
    bool listSaved = false;
};

class QuietStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(copyFolder(QFileInfo(APP_EXECUTABLE).path(), dir_.filePath("app")));
        QFile::remove(dir_.filePath("app/数据库/播放列表.qmx"));
    }

    // Starts the program, waits until its start-up asks for the sound, and
    // ends it as the system does.
    Start startAndEnd(const QString& loggingRules)
    {
        DeadSoundServer server(dir_.filePath("pulse-native"));
        EXPECT_TRUE(server.listening());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("XDG_RUNTIME_DIR");
        env.remove("QT_LOGGING_RULES");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("PULSE_SERVER", "unix:" + dir_.filePath("pulse-native"));
        env.insert("ALSA_CARD", "NoSuchCard");
        env.insert("TMPDIR", dir_.path());
        if (!loggingRules.isEmpty())
            env.insert("QT_LOGGING_RULES", loggingRules);
        QProcess app;
        app.setProcessEnvironment(env);
        app.setWorkingDirectory(dir_.path());
        app.start(dir_.filePath("app/xuanyinfang"), {});
        EXPECT_TRUE(app.waitForStarted());
        const bool asked = QTest::qWaitFor(
            [&] { return server.called() || app.state() == QProcess::NotRunning; }, 20000);
        EXPECT_TRUE(asked && server.called()) << "the start-up never asked for the sound";
        // The signal is taken between events, after the start-up's steps.
        ::kill(pid_t(app.processId()), SIGTERM);
        EXPECT_TRUE(app.waitForFinished(10000));
        EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
        return {QString::fromUtf8(app.readAllStandardError()),
                QFileInfo::exists(dir_.filePath("app/数据库/播放列表.qmx"))};
    }

    QTemporaryDir dir_;
};

TEST_F(QuietStart, PrintsNoComplaintsAboutMissingSoundOrRuntimeFolder)
{
    const Start start = startAndEnd({});
    EXPECT_TRUE(start.listSaved) << "the program did not end as a running window ends";
    EXPECT_FALSE(start.stderrText.contains("ALSA lib")) << start.stderrText.toStdString();
    EXPECT_FALSE(start.stderrText.contains("QStandardPaths")) << start.stderrText.toStdString();
    EXPECT_FALSE(start.stderrText.contains("alsa", Qt::CaseInsensitive)) << start.stderrText.toStdString();
}

// What ALSA says is kept, for whoever asks for it.
TEST_F(QuietStart, SoundLibraryMessagesShowWhenTheirLogIsOn)
{
    const Start start = startAndEnd("xuanyinfang.alsa.debug=true");
    EXPECT_TRUE(start.stderrText.contains("xuanyinfang.alsa: ")) << start.stderrText.toStdString();
    EXPECT_FALSE(start.stderrText.contains("ALSA lib")) << start.stderrText.toStdString();
}

} // namespace
