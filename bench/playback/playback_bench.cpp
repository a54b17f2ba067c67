// Playback benchmark: how long playing an entry takes to reach playState 3
// (playing) for a local audio file and a local 720p video, beside the time
// the mpv command-line player needs for the same files, measured in the same
// run. Both play without picture or sound output (vo=null, ao=null), so the
// two do the same work. Prints milliseconds (median of the rounds) and the
// ratios; the target for our open is at most 1.2 x mpv's. Nothing is judged.
//
//   xy_playback_bench [rounds]     (default 9; offscreen unless QT_QPA_PLATFORM is set)
//
// Figures:
//   open      liebiao_Click called -> the main player reports playState 3
//   click     the whole liebiao_Click, the open wait and length wait included
//   mpv open  a running `mpv --idle` told to load the file -> its file-loaded event
//   mpv start `mpv <file>` started -> its playing message (process start included)

#include "wiring/main_form.h"
#include "doubles/fake_media_player.h"
#include "doubles/fake_window_frame.h"
#include "platform/mpv_media_player.h"
#include "platform/no_drive_mci.h"
#include "platform/test_media.h"
#include "playlist/list_writer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

using Video = MpvPlayerOptions::Video;

double msOf(qint64 ns)
{
    return ns / 1e6;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The program's own path: the hub with the real player, nothing shown.
class OurPlayer {
public:
    OurPlayer(const QStringList& files)
    {
        form.write_liebiao(ListWriter::Replace, files.join('\r') + '\r');
        form.Timer1.stop(); // no dispatcher: the files must not end or move on
        QObject::connect(&player1, &MediaPlayer::StatusChange, &player1, [this] {
            if (playingAt < 0 && player1.playState() == MediaPlayer::Playing)
                playingAt = clock.nsecsElapsed();
        });
    }

    // Milliseconds to playState 3 and for the whole click.
    std::pair<double, double> open(int entry)
    {
        form.kongzhi1_Click(2); // stop: the player holds nothing
        QCoreApplication::processEvents();
        playingAt = -1;
        clock.start();
        form.liebiao_Click(entry);
        const qint64 whole = clock.nsecsElapsed();
        QElapsedTimer limit;
        limit.start();
        while (playingAt < 0 && limit.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return {playingAt < 0 ? -1 : msOf(playingAt), msOf(whole)};
    }

private:
    QWidget parent;
    MpvMediaPlayer player1{&parent, MpvPlayerOptions{Video::None, {"ao=null"}}};
    FakeMediaPlayer player2;
    PlacedControl picture1;
    ImageControl image1;
    ImageControl image2;
    LabelControl ditiao;
    FakeWindowFrame window;
    NoDriveMci mci;
    MainForm form{Form1Controls{player1, player2, picture1, image1, image2, ditiao, window, mci}};
    QElapsedTimer clock;
    qint64 playingAt = -1;
};

const QStringList kMpvOptions = {"--no-config", "--vo=null", "--ao=null", "--keep-open=no"};

// A running mpv told through its IPC socket to load files.
class IdleMpv {
public:
    IdleMpv()
    {
        const QString socketPath = dir.filePath("mpv.sock");
        process.start("mpv", kMpvOptions + QStringList{"--idle=yes", "--input-ipc-server=" + socketPath});
        if (!process.waitForStarted(5000))
            return;
        QElapsedTimer wait;
        wait.start();
        while (wait.elapsed() < 5000) {
            socket.connectToServer(socketPath);
            if (socket.waitForConnected(100))
                return;
            QThread::msleep(20);
        }
    }
    ~IdleMpv()
    {
        socket.disconnectFromServer();
        process.kill();
        process.waitForFinished(3000);
    }

    std::optional<double> open(const QString& file)
    {
        if (socket.state() != QLocalSocket::ConnectedState)
            return std::nullopt;
        command(R"({"command":["stop"]})");
        waitFor(R"("event":"idle")", 2000);
        QElapsedTimer clock;
        clock.start();
        command(QString(R"({"command":["loadfile",%1]})").arg(quoted(file)).toUtf8());
        if (!waitFor(R"("event":"file-loaded")", 10000))
            return std::nullopt;
        return msOf(clock.nsecsElapsed());
    }

private:
    static QString quoted(const QString& text)
    {
        QString s = text;
        s.replace('\\', "\\\\").replace('"', "\\\"");
        return '"' + s + '"';
    }
    void command(const QByteArray& json)
    {
        socket.write(json + '\n');
        socket.flush();
    }
    bool waitFor(const QByteArray& event, int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            while (socket.canReadLine()) {
                if (socket.readLine().contains(event))
                    return true;
            }
            socket.waitForReadyRead(20);
        }
        return false;
    }

    QTemporaryDir dir;
    QProcess process;
    QLocalSocket socket;
};

// `mpv <file>` from the start of the process to its playing message.
std::optional<double> mpvStart(const QString& file)
{
    const QByteArray mark = "XY_PLAYING";
    QProcess mpv;
    mpv.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    mpv.start("mpv", kMpvOptions + QStringList{"--term-playing-msg=" + mark, "--end=0.2", file});
    std::optional<double> result;
    QByteArray seen;
    while (clock.elapsed() < 10000 && mpv.state() != QProcess::NotRunning) {
        mpv.waitForReadyRead(5);
        seen += mpv.readAll();
        if (seen.contains(mark)) {
            result = msOf(clock.nsecsElapsed());
            break;
        }
    }
    mpv.waitForFinished(5000);
    return result;
}

struct Figures {
    std::vector<double> open, click, mpvOpen, mpvStart;
};

void print(const char* name, const Figures& f)
{
    const double open = median(f.open);
    const double mpvOpen = median(f.mpvOpen);
    const double mpvStartMs = median(f.mpvStart);
    std::printf("%-18s %8.1f %8.1f %9.1f %10.1f", name, open, median(f.click), mpvOpen, mpvStartMs);
    if (open > 0 && mpvOpen > 0)
        std::printf("   %5.2f x mpv open", open / mpvOpen);
    if (open > 0 && mpvStartMs > 0)
        std::printf("   %5.2f x mpv start", open / mpvStartMs);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 9;

    TestMedia media;
    const QString audio = media.tone("bench-audio.wav", 30);
    const QString video = media.video("bench-720p.mp4", 10, {1280, 720});
    const bool haveMpv = !QStandardPaths::findExecutable("mpv").isEmpty();

    OurPlayer ours({audio, video});
    IdleMpv idle;
    Figures figures[2];
    const QString files[2] = {audio, video};
    // Rounds alternate between the players, so both see the same caches.
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < 2; ++i) {
            const auto [open, click] = ours.open(i);
            figures[i].open.push_back(open);
            figures[i].click.push_back(click);
            if (!haveMpv)
                continue;
            if (const auto ms = idle.open(files[i]))
                figures[i].mpvOpen.push_back(*ms);
            if (const auto ms = mpvStart(files[i]))
                figures[i].mpvStart.push_back(*ms);
        }
    }

    std::printf("Playback: playing an entry, ms (median of %d rounds)\n", rounds);
    if (!haveMpv)
        std::printf("(the mpv command-line player is not installed: its figures are missing)\n");
    std::printf("%-18s %8s %8s %9s %10s\n", "file", "open", "click", "mpv open", "mpv start");
    print("audio (wav 30s)", figures[0]);
    print("video (720p h264)", figures[1]);
    std::printf("target: open <= 1.2 x mpv open\n");
    return 0;
}
