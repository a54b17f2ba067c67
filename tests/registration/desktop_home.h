#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A home of the test's own: HOME and the XDG folders in a temporary folder,
// the system's MIME and application data behind them, and an application
// folder (with a blank in its name) holding a stand-in for the program: a
// script that writes the arguments it was started with into a file.
class DesktopHome {
public:
    DesktopHome();
    ~DesktopHome();

    QString home() const { return dir_.path() + "/home"; }
    QString configHome() const { return dir_.path() + "/config"; }
    QString dataHome() const { return dir_.path() + "/data"; }
    QString appDir() const { return dir_.path() + "/应用 目录"; }
    QString program() const { return appDir() + "/xuanyinfang"; }
    QString mimeappsList() const { return configHome() + "/mimeapps.list"; }
    QString desktopFile() const { return dataHome() + "/applications/io.github.xuanyinfang.desktop"; }
    // What the stand-in wrote, one argument a line; empty before it ran.
    QString startedWith() const;
    // Waits (delivering events) until the stand-in has run, or 10 s passed.
    QString waitForStart() const;
    // A file in the test's folder.
    QString file(const QString& name, const QByteArray& bytes = {}) const;
    // Another program of the desktop, with its own desktop entry.
    void installOtherProgram(const QString& desktopName, const QString& mimeTypes) const;

    QByteArray read(const QString& path) const;
    void write(const QString& path, const QByteArray& bytes) const;
    // Runs a command with the test's environment; its standard output.
    static QByteArray run(const QString& program, const QStringList& arguments, int* exitCode = nullptr);
    // The names of the files in a folder (to find temporary files left behind).
    static QStringList entries(const QString& folder);

private:
    QTemporaryDir dir_;
    QByteArrayList saved_;
    QList<QByteArray> savedValues_;
};
