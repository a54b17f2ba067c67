// Where the files the program writes live: beside the executable in an
// application folder, in the user's data folder for an installed program.
#include "core/form1_fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(UserPath, AnApplicationFolderKeepsItsFilesBesideTheProgram)
{
    Form1Fixture f;
    QTemporaryDir app;
    f.form.programDir = app.path();
    EXPECT_EQ(f.form.userPath("数据库/播放列表.qmx"), app.path() + "/数据库/播放列表.qmx");
    EXPECT_EQ(f.form.userPath("v.sz"), app.path() + "/v.sz");
}

TEST(UserPath, AnInstalledProgramKeepsThemInTheUsersDataFolder)
{
    Form1Fixture f;
    QTemporaryDir installed, home;
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", before); });
    QFile mark(installed.filePath(Form1::kInstalledMark));
    ASSERT_TRUE(mark.open(QIODevice::WriteOnly));
    mark.close();
    f.form.programDir = installed.path();
    const QString base = home.path() + "/xuanyinfang/";
    EXPECT_EQ(f.form.userPath("数据库/选项.bfq"), base + "数据库/选项.bfq");
    EXPECT_EQ(f.form.userPath("v.sz"), base + "v.sz");
    // Ready to be written to, and nothing is made in the program's folder.
    EXPECT_TRUE(QFileInfo(base + "数据库").isDir());
    EXPECT_EQ(QDir(installed.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
              QStringList{Form1::kInstalledMark});
}

} // namespace
