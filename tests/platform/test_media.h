#pragma once

#include <QSize>
#include <QString>
#include <QTemporaryDir>

// Small media files made with ffmpeg in a temporary folder that goes away
// with this object.
class TestMedia {
public:
    QString path(const QString& name) const { return dir_.filePath(name); }

    // A test-pattern picture with a 440 Hz stereo tone.
    QString video(const QString& name, double seconds, QSize size = {320, 240});
    // The same with its index ahead of the picture and sound, as for
    // streaming: a cut-off copy still tells its length and picture size.
    QString streamableVideo(const QString& name, double seconds, QSize size = {320, 240});
    // The first fraction of another file's bytes.
    QString cutOff(const QString& name, const QString& whole, double fraction);
    // A stereo sine tone as 16-bit WAV.
    QString tone(const QString& name, double seconds, int frequency = 440);
    // A tone as MP3 with a cover picture, as music files carry them.
    QString toneWithCover(const QString& name, double seconds);
    // Any bytes under any name, such as text dressed up as a video.
    QString file(const QString& name, const QByteArray& bytes);

private:
    QString make(const QString& name, const QStringList& args);

    QTemporaryDir dir_;
};

// One set of media for a whole test program.
TestMedia& testMedia();
