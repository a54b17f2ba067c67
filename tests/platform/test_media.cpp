#include "platform/test_media.h"

#include <QFile>
#include <QProcess>
#include <stdexcept>

QString TestMedia::make(const QString& name, const QStringList& args)
{
    const QString target = path(name);
    if (QFile::exists(target))
        return target;
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", QStringList{"-v", "error", "-y"} + args + QStringList{target});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
        throw std::runtime_error("ffmpeg failed to make " + name.toStdString() + ": "
                                 + ffmpeg.readAllStandardError().toStdString());
    return target;
}

QString TestMedia::video(const QString& name, double seconds, QSize size)
{
    const QString length = QString::number(seconds);
    const QString source = QString("testsrc=size=%1x%2:rate=25:duration=%3")
                               .arg(size.width())
                               .arg(size.height())
                               .arg(length);
    return make(name, {"-f", "lavfi", "-i", source, "-f", "lavfi", "-i",
                       "sine=frequency=440:duration=" + length, "-c:v", "libx264", "-preset",
                       "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "aac", "-ac", "2"});
}

QString TestMedia::streamableVideo(const QString& name, double seconds, QSize size)
{
    const QString source = video("plain-" + name, seconds, size);
    return make(name, {"-i", source, "-c", "copy", "-movflags", "+faststart"});
}

QString TestMedia::cutOff(const QString& name, const QString& whole, double fraction)
{
    QFile in(whole);
    if (!in.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + whole.toStdString());
    const QByteArray bytes = in.readAll();
    return file(name, bytes.left(qsizetype(bytes.size() * fraction)));
}

QString TestMedia::tone(const QString& name, double seconds, int frequency)
{
    const QString source =
        QString("sine=frequency=%1:duration=%2").arg(frequency).arg(seconds);
    return make(name, {"-f", "lavfi", "-i", source, "-ac", "2", "-c:a", "pcm_s16le"});
}

QString TestMedia::toneWithCover(const QString& name, double seconds)
{
    const QString cover =
        make("cover.png", {"-f", "lavfi", "-i", "testsrc=size=64x64", "-frames:v", "1"});
    return make(name, {"-f", "lavfi", "-i", QString("sine=duration=%1").arg(seconds), "-i", cover,
                       "-map", "0", "-map", "1", "-ac", "2", "-c:a", "libmp3lame", "-c:v", "png",
                       "-disposition:v", "attached_pic"});
}

QString TestMedia::file(const QString& name, const QByteArray& bytes)
{
    QFile out(path(name));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + name.toStdString());
    return out.fileName();
}

TestMedia& testMedia()
{
    static TestMedia media;
    return media;
}
