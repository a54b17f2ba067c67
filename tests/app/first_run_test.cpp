// The real program's first start in a new user's home: it registers its
// file types with the desktop silently and marks that it did.
#include "app_folder.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(FirstRun, RegistersTheFileTypesOnceWithTheDesktop)
{
    QTemporaryDir dir;
    const QString app = dir.filePath("app");
    ASSERT_TRUE(copyFolder(QFileInfo(APP_EXECUTABLE).path(), app));
    QFile::remove(app + "/数据库/注册");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", dir.filePath("home"));
    env.remove("XDG_CONFIG_HOME");
    env.remove("XDG_DATA_HOME");
    env.insert("XDG_DATA_DIRS", "/usr/share");
    env.insert("LC_ALL", "C.UTF-8");

    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(dir.path());
    program.start(app + "/xuanyinfang", {});
    ASSERT_TRUE(program.waitForStarted());
    const bool marked = QTest::qWaitFor(
        [&] { return QFileInfo::exists(app + "/数据库/注册") || program.state() == QProcess::NotRunning; },
        30000);
    EXPECT_TRUE(marked && QFileInfo::exists(app + "/数据库/注册")) << "no marker after the first start";
    ::kill(pid_t(program.processId()), SIGTERM);
    EXPECT_TRUE(program.waitForFinished(10000));

    const QByteArray mimeapps = readAll(dir.filePath("home/.config/mimeapps.list"));
    EXPECT_TRUE(mimeapps.contains("\naudio/mpeg=io.github.xuanyinfang.desktop;\n")) << mimeapps.toStdString();
    EXPECT_TRUE(mimeapps.contains("\napplication/x-xuanyinfang-list=io.github.xuanyinfang.desktop;\n"));
    EXPECT_FALSE(mimeapps.contains("image/")) << "the first run leaves the pictures alone";
    const QByteArray entry = readAll(dir.filePath("home/.local/share/applications/io.github.xuanyinfang.desktop"));
    EXPECT_TRUE(entry.contains("\nExec=" + QFile::encodeName(app) + "/xuanyinfang %F\n")) << entry.toStdString();
    const QByteArray store = readAll(dir.filePath("home/.config/xuanyinfang/classes.json"));
    EXPECT_TRUE(store.contains("\"qmxlumo\"")) << store.toStdString();

    QProcess gio;
    gio.setProcessEnvironment(env);
    gio.start("gio", {"mime", "application/x-xuanyinfang-list"});
    ASSERT_TRUE(gio.waitForFinished(15000));
    EXPECT_TRUE(gio.readAllStandardOutput().startsWith(
        "Default application for “application/x-xuanyinfang-list”: io.github.xuanyinfang.desktop"));
}

} // namespace
