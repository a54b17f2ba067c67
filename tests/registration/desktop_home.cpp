#include "desktop_home.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

const char* const kVariables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS",
                                  "XDG_CONFIG_DIRS", "XDG_CURRENT_DESKTOP", "PATH", "LC_ALL"};

} // namespace

DesktopHome::DesktopHome()
{
    for (const char* name : kVariables) {
        saved_ << name;
        savedValues_ << qgetenv(name);
    }
    QDir().mkpath(home());
    QDir().mkpath(configHome());
    QDir().mkpath(dataHome());
    QDir().mkpath(appDir() + "/tubiao");
    qputenv("HOME", QFile::encodeName(home()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome()));
    qputenv("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(dir_.path() + "/etc-xdg"));
    qunsetenv("XDG_CURRENT_DESKTOP");
    qputenv("LC_ALL", "C.UTF-8"); // the desktop tools answer in English
    qputenv("PATH", QFile::encodeName(appDir()) + ':' + qgetenv("PATH"));
    write(program(), "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.part\" && mv \"$0.part\" \"$0.started\"\n");
    QFile::setPermissions(program(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                         QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                         QFile::ExeOther);
    for (const char* picture : {"璇音坊.png", "按钮_移上.jpg", "按钮_按下.jpg", "按钮_移走.jpg"}) {
        const QString name = QString::fromUtf8(picture);
        QFile::copy(QStringLiteral(SHIPPED_DATA_DIR "/tubiao/") + name, appDir() + "/tubiao/" + name);
    }
}

DesktopHome::~DesktopHome()
{
    for (int i = 0; i < saved_.size(); ++i) {
        if (savedValues_[i].isNull())
            qunsetenv(saved_[i].constData());
        else
            qputenv(saved_[i].constData(), savedValues_[i]);
    }
}

QString DesktopHome::startedWith() const
{
    return QString::fromUtf8(read(program() + ".started"));
}

QString DesktopHome::waitForStart() const
{
    const QDeadlineTimer deadline(10000);
    while (!QFileInfo::exists(program() + ".started") && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
    return startedWith();
}

QString DesktopHome::file(const QString& name, const QByteArray& bytes) const
{
    const QString path = dir_.path() + "/" + name;
    write(path, bytes);
    return path;
}

void DesktopHome::installOtherProgram(const QString& desktopName, const QString& mimeTypes) const
{
    write(dataHome() + "/applications/" + desktopName,
          "[Desktop Entry]\nType=Application\nName=Other\nExec=/bin/true %F\nMimeType=" +
              mimeTypes.toUtf8() + "\n");
}

QByteArray DesktopHome::read(const QString& path) const
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void DesktopHome::write(const QString& path, const QByteArray& bytes) const
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray DesktopHome::run(const QString& program, const QStringList& arguments, int* exitCode)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    process.waitForFinished(30000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAllStandardOutput();
}

QStringList DesktopHome::entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}
