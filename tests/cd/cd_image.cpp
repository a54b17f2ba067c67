#include "cd_image.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

constexpr int kSectorBytes = 2352;
constexpr int kFramesPerSector = 588;

bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

QByteArray msf(int sectors)
{
    const int seconds = sectors / 75;
    return QString::asprintf("%02d:%02d:%02d", seconds / 60, seconds % 60, sectors % 75).toLatin1();
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

CdImages::CdImages() = default;

const std::vector<ToneTrack>& CdImages::threeTones()
{
    static const std::vector<ToneTrack> tones = {{241, 440}, {197, 660}, {302, 880}};
    return tones;
}

QString CdImages::audioDisc(const QString& name, const std::vector<ToneTrack>& tones)
{
    QDir(dir_.path()).mkpath(name);
    const QString folder = dir_.filePath(name);
    QByteArray bin;
    QByteArray cue = "PERFORMER \"璇音测试乐队\"\nTITLE \"三段音调\"\nFILE \"disc.bin\" BINARY\n";
    for (std::size_t i = 0; i < tones.size(); ++i) {
        const QString raw = folder + QString("/tone%1.raw").arg(i + 1);
        const QStringList soxArgs = {
            "-r", "44100", "-c", "2", "-n", "-b", "16", "-e", "signed-integer", "-L", "-t", "raw", raw,
            "synth", QString("%1s").arg(tones[i].sectors * kFramesPerSector), "sine",
            QString::number(tones[i].hz), "vol", "0.5"};
        QFile file(raw);
        if (!run("sox", soxArgs) || !file.open(QIODevice::ReadOnly))
            return QString();
        QByteArray pcm = file.readAll();
        pcm.resize(qsizetype(tones[i].sectors) * kSectorBytes, '\0');
        cue += QString("  TRACK %1 AUDIO\n    TITLE \"第%2段\"\n    PERFORMER \"璇音测试乐队\"\n"
                       "    INDEX 01 ")
                   .arg(i + 1, 2, 10, QChar('0'))
                   .arg(i + 1)
                   .toUtf8()
            + msf(int(bin.size() / kSectorBytes)) + "\n";
        bin += pcm;
    }
    if (!writeFile(folder + "/disc.bin", bin) || !writeFile(folder + "/disc.cue", cue))
        return QString();
    return folder + "/disc.cue";
}

QString CdImages::dataDisc(const QString& name)
{
    QDir(dir_.path()).mkpath(name + "/files");
    const QString folder = dir_.filePath(name);
    if (!writeFile(folder + "/files/readme.txt", "not music\n")
        || !run("genisoimage", {"-quiet", "-o", folder + "/data.bin", folder + "/files"}))
        return QString();
    const QByteArray cue = "FILE \"data.bin\" BINARY\n  TRACK 01 MODE1/2048\n    INDEX 01 00:00:00\n";
    return writeFile(folder + "/data.cue", cue) ? folder + "/data.cue" : QString();
}

// One BIN of raw sectors: the ISO's in MODE1/2352 frames (sync, header,
// data; no error codes, which nothing here checks), then the audio.
QString CdImages::mixedDisc(const QString& name)
{
    if (dataDisc(name).isEmpty() || audioDisc(name + "/audio", {{150, 500}}).isEmpty())
        return QString();
    const QString folder = dir_.filePath(name);
    QFile iso(folder + "/data.bin"), audio(folder + "/audio/disc.bin");
    if (!iso.open(QIODevice::ReadOnly) || !audio.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray data = iso.readAll();
    QByteArray bin;
    const int dataSectors = int(data.size() / 2048);
    for (int i = 0; i < dataSectors; ++i) {
        const int lba = i + 150;
        QByteArray frame(kSectorBytes, '\0');
        frame.replace(1, 10, QByteArray(10, '\xff'));
        frame[12] = char(((lba / 4500) / 10) << 4 | (lba / 4500) % 10);
        frame[13] = char(((lba / 75 % 60) / 10) << 4 | (lba / 75 % 60) % 10);
        frame[14] = char(((lba % 75) / 10) << 4 | (lba % 75) % 10);
        frame[15] = 1;
        frame.replace(16, 2048, data.mid(qsizetype(i) * 2048, 2048));
        bin += frame;
    }
    bin += audio.readAll();
    const QByteArray cue = "FILE \"mixed.bin\" BINARY\n  TRACK 01 MODE1/2352\n    INDEX 01 00:00:00\n"
                           "  TRACK 02 AUDIO\n    INDEX 01 " + msf(dataSectors) + "\n";
    if (!writeFile(folder + "/mixed.bin", bin) || !writeFile(folder + "/mixed.cue", cue))
        return QString();
    return folder + "/mixed.cue";
}

QString CdImages::cueSheet(const QString& name, const QByteArray& text)
{
    const QString path = dir_.filePath(name);
    return writeFile(path, text) ? path : QString();
}
