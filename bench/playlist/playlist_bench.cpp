// Playlist benchmark: the list operations on a full list of 32767 entries
// with paths like a real music folder. Prints milliseconds (median of five
// runs); targets are 50 ms each and 100 ms for opening the List menu.
//
//   xy_playlist_bench        (offscreen unless QT_QPA_PLATFORM is set)

#include "wiring/main_form.h"
#include "window/list_menu_popup.h"
#include "doubles/plain_controls.h"
#include "playlist/list_file.h"
#include "playlist/list_text.h"
#include "playlist/playlist_entries.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <time.h>
#include <vector>

namespace {

constexpr int kRuns = 5;

QStringList realisticPaths(int count)
{
    const QStringList suffixes = {".mp3", ".flac", ".wma", ".MP3", ".ogg", ".wav", ".m4a"};
    QRandomGenerator random(2024);
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const int artist = random.bounded(400);
        const int album = random.bounded(8);
        paths << QStringLiteral("/home/user/音乐/歌手 %1/专辑 %2 (20%3)/%4 - 第%5首歌 Song Title.%6")
                     .arg(artist).arg(album).arg(10 + album, 2, 10, QLatin1Char('0'))
                     .arg(random.bounded(1, 20), 2, 10, QLatin1Char('0')).arg(i)
                     .arg(suffixes.at(random.bounded(suffixes.size())).mid(1));
    }
    return paths;
}

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Wall-clock and CPU milliseconds of a step (the medians of the runs). On
// a busy machine the wall clock also counts the time other programs had
// the processor; the CPU time does not.
struct Timing {
    double wall;
    double cpu;
};

// prepare runs untimed before each run of step.
Timing measure(const std::function<void()>& prepare, const std::function<void()>& step)
{
    std::vector<double> wall, cpu;
    for (int i = 0; i < kRuns; ++i) {
        prepare();
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        step();
        wall.push_back(timer.nsecsElapsed() / 1e6);
        cpu.push_back(threadCpuMs() - cpuStart);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

void report(const char* name, Timing t, double target)
{
    std::printf("%-32s %8.2f ms  (cpu %7.2f ms, target %3.0f ms)%s\n", name, t.wall, t.cpu, target,
                t.wall > target ? "  OVER" : "");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("数据库"));

    PlainControls<> controls;
    MainForm form(controls.controls());
    form.programDir = dir.path();
    form.xuanxiang1[2].checked = false;

    const QStringList paths = realisticPaths(Playlist::kMaxEntries);
    const QString full = joinListText(paths);
    const QString allButOne = joinListText(paths.mid(1));
    const auto writeFull = [&] { form.write_liebiao(QStringLiteral("替换写入"), full); };
    const auto nothing = [] {};

    std::printf("Playlist of %d entries\n", int(paths.size()));
    report("replace-write", measure(nothing, writeFull), 50);
    report("append one entry", measure([&] { form.write_liebiao(QStringLiteral("替换写入"), allButOne); },
                                       [&] { form.write_liebiao(QStringLiteral("增加写入"), full.left(full.indexOf(QChar(13)) + 1)); }),
           50);
    const char* sortNames[] = {"sort by folder", "sort by file name", "sort by suffix"};
    for (int index = 0; index < 3; ++index)
        report(sortNames[index], measure(writeFull, [&] { form.paixu1_Click(index); }), 50);
    report("directory-display toggle", measure(writeFull, [&] { form.xuanxiang1_Click(2); }), 50);

    writeFull();
    const QString listFile = form.programPath(ListFile::kCurrentList);
    report("save (options and list files)", measure(nothing, [&] { form.cunchuxuanxiang(); }), 50);
    report("start-up read", measure(nothing, [&] { ListFile::startupText(listFile); }), 50);
    report("start-up read and write", measure(nothing, [&] {
               form.write_liebiao(QStringLiteral("替换写入"), ListFile::startupText(listFile));
           }), 50);

    // The menu opens scrolled to the checked entry, deep in the list.
    PlaylistEntries::checkOnly(form.liebiao, 20000);
    report("open the List menu", measure(nothing, [&] {
               ListMenuPopup popup(form.liebiao);
               popup.popup(QPoint(10, 10));
               QApplication::processEvents();
           }), 100);
    return 0;
}
