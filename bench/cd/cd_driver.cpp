// Drives the CD device for bench/cd_bench.py: opens the disc image given,
// says "ready", sends "play cd" when a line "play" arrives on stdin, and
// ends when stdin closes.
#include "platform/cd/cdaudio_mci.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <disc.cue | device>\n", argv[0]);
        return 2;
    }
    CdaudioMci cd;
    const QString drive = QString::fromLocal8Bit(argv[1]);
    if (!cd.send("open  " + drive + " type cdaudio alias cd wait shareable")
        || !cd.send("set cd time format tmsf")) {
        std::fprintf(stderr, "cannot open %s: %s\n", argv[1], qPrintable(cd.lastError()));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char line[64];
        const ssize_t n = read(STDIN_FILENO, line, sizeof line - 1);
        if (n <= 0) {
            cd.send("stop cd wait");
            app.quit();
            return;
        }
        line[n] = '\0';
        if (QByteArray(line).trimmed() == "play")
            cd.send("play cd");
    });
    return app.exec();
}
