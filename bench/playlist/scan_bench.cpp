// Folder scan benchmark: walks a generated tree of 100000 files in 10000
// folders with the all-media and all-files filters, beside `find` on the
// same tree. Prints milliseconds and the ratio to find's time.
#include "playlist/folder_walk.h"
#include "playlist/media_types.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kFolders = 10000;
constexpr int kFilesPerFolder = 10;

// 100 folders of 100 folders each; the inner ones hold ten files each.
void makeTree(const QString& root)
{
    const char* suffixes[] = {".mp3", ".avi", ".jpg", ".txt", ".wav"};
    for (int i = 0; i < kFolders; ++i) {
        const QString folder = root + QString("/%1/%2").arg(i / 100).arg(i % 100);
        QDir().mkpath(folder);
        for (int k = 0; k < kFilesPerFolder; ++k) {
            QFile file(folder + QString("/f%1%2").arg(k).arg(suffixes[k % 5]));
            if (file.open(QIODevice::WriteOnly))
                file.close();
        }
    }
}

double scanMs(const QString& root, int filter, qsizetype& matched)
{
    QElapsedTimer clock;
    clock.start();
    const TypeFilter types = TypeFilter::standard(filter);
    const QStringList files = FolderWalk::files(root, [](const QString&) { return false; }).value_or(QStringList{});
    matched = 0;
    for (const QString& file : files)
        matched += types.matches(file) ? 1 : 0;
    return clock.nsecsElapsed() / 1e6;
}

double findMs(const QString& root)
{
    QElapsedTimer clock;
    clock.start();
    QProcess find;
    find.start("find", {root});
    find.waitForFinished(-1);
    find.readAllStandardOutput();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    makeTree(dir.path());
    findMs(dir.path()); // warms the directory cache for both
    const double find = findMs(dir.path());
    std::printf("folder scan, %d files in %d folders\n", kFolders * kFilesPerFolder, kFolders);
    std::printf("  find:               %8.1f ms\n", find);
    for (int filter : {MediaTypes::AllMedia, MediaTypes::AllFiles}) {
        qsizetype matched = 0;
        const double ms = scanMs(dir.path(), filter, matched);
        std::printf("  scan with filter %d: %8.1f ms (%lld files, %.2f x find)\n", filter, ms,
                    static_cast<long long>(matched), ms / find);
    }
    return 0;
}
