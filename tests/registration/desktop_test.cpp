#include "registration_fixture.h"

#include "registration/desktop_associations.h"
#include "registration/mimeapps_list.h"
#include "registration/registration_types.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <ostream>
#include <iostream>
#include <unistd.h>

namespace {

const std::string kOurs = "io.github.xuanyinfang.desktop";

// The desktop file `gio mime` names as the type's default application.
std::string defaultFor(const QString& mimeType)
{
    const QString out = QString::fromUtf8(DesktopHome::run("gio", {"mime", mimeType}));
    const QString line = out.section(QLatin1Char('\n'), 0, 0);
    if (!line.startsWith(QLatin1String("Default application")))
        return {};
    return line.section(QLatin1String(": "), -1).trimmed().toStdString();
}

// The type's first default in the user's mimeapps.list.
std::string chosenDefault(const DesktopHome& desktop, const QString& mimeType)
{
    return MimeAppsList::defaultsOf(desktop.read(desktop.mimeappsList()), mimeType).split(';').first().toStdString();
}

bool isPicture(int i)
{
    return i >= RegistrationTypes::kFirstPicture && i <= RegistrationTypes::kLastPicture;
}

// After the silent first run, the desktop names this program for the
// types of every suffix it registered, and not for the pictures.
TEST(DesktopAssociations, TheFirstRunMakesUsTheDefault)
{
    RegistrationFixture f;
    f.form3.firstRunRegistration();
    int named = 0;
    for (int i = 0; i < RegistrationTypes::kCount; ++i) {
        const QString ext = RegistrationTypes::extension(i);
        const QStringList types = DesktopAssociations::mimeTypes(ext);
        std::cout << ext.toStdString() << " -> " << types.join(", ").toStdString() << "\n";
        for (const QString& type : types) {
            const std::string shown = defaultFor(type);
            if (isPicture(i)) {
                // The desktop may still offer us for them, but not as the chosen default.
                EXPECT_EQ(chosenDefault(f.desktop, type), "") << type.toStdString();
            } else {
                EXPECT_EQ(shown, kOurs) << type.toStdString();
                EXPECT_EQ(chosenDefault(f.desktop, type), kOurs) << type.toStdString();
                ++named;
            }
        }
    }
    EXPECT_GE(named, 10) << "the system's MIME database knows the suffixes";
}

struct Opened {
    const char* name;
    const char* file;
};

void PrintTo(const Opened& c, std::ostream* os) { *os << c.name; }

class GioOpen : public testing::TestWithParam<Opened> {};

TEST_P(GioOpen, StartsTheProgramWithTheFile)
{
    RegistrationFixture f;
    f.form3.firstRunRegistration();
    const QString path = f.desktop.file(GetParam().file);
    if (path.endsWith(".mp3")) {
        int made = -1;
        DesktopHome::run("ffmpeg", {"-loglevel", "error", "-f", "lavfi", "-i", "sine=d=0.2", "-y", path}, &made);
        ASSERT_EQ(made, 0);
    } else {
        f.desktop.write(path, "C:\\音乐\\一.mp3\r\n");
    }
    int code = -1;
    DesktopHome::run("gio", {"open", path}, &code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(f.desktop.waitForStart(), path + "\n");
}

INSTANTIATE_TEST_SUITE_P(Files, GioOpen,
                         testing::Values(Opened{"List", "我的 列表.qmx"}, Opened{"Mp3", "tone.mp3"}),
                         [](const testing::TestParamInfo<Opened>& testInfo) {
                             return std::string(testInfo.param.name);
                         });

TEST(DesktopAssociations, TheListTypeIsKnownAndTheEntryValid)
{
    RegistrationFixture f;
    f.form3.firstRunRegistration();
    EXPECT_EQ(DesktopHome::run(QStringLiteral(MIME_TYPE_OF), {"a.qmx", "b.mp3"}),
              "application/x-xuanyinfang-list\naudio/mpeg\n");
    EXPECT_EQ(defaultFor("application/x-xuanyinfang-list"), kOurs);
    int valid = -1;
    const QByteArray said = DesktopHome::run("desktop-file-validate", {f.desktop.desktopFile()}, &valid);
    EXPECT_EQ(valid, 0) << said.toStdString();
    EXPECT_TRUE(f.desktop.read(f.desktop.desktopFile()).contains("\nExec=\"" + f.desktop.program().toUtf8() + "\" %F\n"));
    EXPECT_TRUE(QFileInfo(f.desktop.dataHome() + "/icons/hicolor/256x256/apps/io.github.xuanyinfang.png").isFile());
}

// Every type registration can make ours is one the entry says it opens.
TEST(DesktopAssociations, TheShippedEntryListsEveryRegisteredType)
{
    RegistrationFixture f;
    f.form3.firstRunRegistration();
    const QByteArray entry = f.desktop.read(QStringLiteral(SHIPPED_ENTRY));
    const qsizetype at = entry.indexOf("\nMimeType=");
    ASSERT_GE(at, 0);
    const QByteArray mimeLine = entry.mid(at + 1, entry.indexOf('\n', at + 1) - at - 1);
    for (int i = 0; i < RegistrationTypes::kCount; ++i) {
        for (const QString& type : DesktopAssociations::mimeTypes(RegistrationTypes::extension(i)))
            EXPECT_TRUE(mimeLine.contains("=" + type.toUtf8() + ";") || mimeLine.contains(";" + type.toUtf8() + ";"))
                << type.toStdString();
    }
}

const QByteArray kOthersList =
    "# the user's own notes\n"
    "[Added Associations]\n"
    "audio/mpeg=other.desktop;\n"
    "\n"
    "[Default Applications]\n"
    "# mine\n"
    "text/plain=other.desktop;\n"
    "audio/mpeg=other.desktop;\n"
    "video/mpeg = other.desktop;vlc.desktop;\n"
    "\n"
    "[Removed Associations]\n"
    "image/png=other.desktop;\n";

TEST(DesktopAssociations, UnregisteringGivesOtherProgramsTheirDefaultsBack)
{
    RegistrationFixture f;
    f.desktop.installOtherProgram("other.desktop", "audio/mpeg;video/mpeg;text/plain;");
    f.desktop.write(f.desktop.mimeappsList(), kOthersList);
    ASSERT_EQ(defaultFor("audio/mpeg"), "other.desktop");
    f.form3.firstRunRegistration();
    EXPECT_EQ(defaultFor("audio/mpeg"), kOurs);
    EXPECT_EQ(defaultFor("video/mpeg"), kOurs);

    f.registerOnly({});
    EXPECT_EQ(f.desktop.read(f.desktop.mimeappsList()), kOthersList);
    EXPECT_EQ(defaultFor("audio/mpeg"), "other.desktop");
    EXPECT_EQ(defaultFor("video/mpeg"), "other.desktop");
}

TEST(DesktopAssociations, OtherLinesComeOutUnchanged)
{
    RegistrationFixture f;
    f.desktop.write(f.desktop.mimeappsList(), kOthersList);
    f.registerOnly({4}); // .mp3
    QByteArrayList kept;
    for (const QByteArray& line : f.desktop.read(f.desktop.mimeappsList()).split('\n')) {
        if (line.startsWith("audio/mpeg=io.github.xuanyinfang.desktop;"))
            kept << line.mid(line.indexOf(';') + 1).prepend("audio/mpeg=");
        else
            kept << line;
    }
    EXPECT_EQ(kept.join('\n'), kOthersList);
}

// Two suffixes of one type: the type stays ours while either is registered.
TEST(DesktopAssociations, ASharedTypeStaysWhileOneOfItsSuffixesIsRegistered)
{
    RegistrationFixture f;
    f.registerOnly({7}); // .mpg, not .vob
    EXPECT_EQ(chosenDefault(f.desktop, "video/mpeg"), kOurs);
    f.registerOnly({21}); // .vob, not .mpg
    EXPECT_EQ(chosenDefault(f.desktop, "video/mpeg"), kOurs);
    EXPECT_EQ(defaultFor("video/mpeg"), kOurs);
    f.registerOnly({});
    EXPECT_EQ(chosenDefault(f.desktop, "video/mpeg"), "");
}

struct BadConfig {
    const char* name;
    QByteArray mimeapps;
};

void PrintTo(const BadConfig& c, std::ostream* os) { *os << c.name; }

class UnreadableMimeApps : public testing::TestWithParam<BadConfig> {};

// A list the desktop cannot read is left as it is, nothing half-written
// beside it; the program's own store is written all the same.
TEST_P(UnreadableMimeApps, IsLeftAsItIs)
{
    RegistrationFixture f;
    f.desktop.write(f.desktop.mimeappsList(), GetParam().mimeapps);
    f.registerOnly({4, 20});
    EXPECT_EQ(f.desktop.read(f.desktop.mimeappsList()), GetParam().mimeapps);
    EXPECT_EQ(DesktopHome::entries(f.desktop.configHome()), QStringList({"mimeapps.list", "xuanyinfang"}));
    EXPECT_EQ(DesktopHome::entries(f.desktop.configHome() + "/xuanyinfang"), QStringList({"classes.json"}));
    EXPECT_EQ(f.stored(".mp3"), "qmxlumo");
    EXPECT_TRUE(QFileInfo(f.desktop.desktopFile()).isFile());
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableMimeApps,
    testing::Values(BadConfig{"Garbage", QByteArray("\x7f" "ELF\x02\x01\x01\x00\xff\xfe\n[Default", 18)},
                    BadConfig{"NotUtf8", "[Default Applications]\n# \xce\xd2\xb5\xc4\naudio/mpeg=other.desktop;\n"},
                    BadConfig{"CutOffUtf8AtTheEnd", "[Default Applications]\naudio/mpeg=other.desktop;\n# \xe4\xb8"},
                    BadConfig{"NotKeyFileLines", "[Default Applications]\naudio/mpeg other.desktop\n"}),
    [](const testing::TestParamInfo<BadConfig>& testInfo) { return std::string(testInfo.param.name); });

TEST(DesktopAssociations, AConfigFolderThatCannotBeMadeIsNoCrash)
{
    RegistrationFixture f;
    const QString blocker = f.desktop.file("a-file");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker + "/config"));
    Form3 form3(form3Parts(f.form));
    form3.executable = f.desktop.program();
    f.dialogs.questionAnswers.enqueue(true);
    form3.Form_Load();
    form3.anniu1_Click(Form3::SelectAll);
    form3.anniu1_Click(Form3::Register);
    EXPECT_TRUE(QFileInfo(blocker).isFile());
    EXPECT_EQ(f.dialogs.shown.size(), 2);
    EXPECT_TRUE(QFileInfo(f.desktop.desktopFile()).isFile());
}

TEST(DesktopAssociations, AReadOnlyConfigFolderKeepsItsFiles)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not hold for root";
    RegistrationFixture f;
    f.desktop.write(f.desktop.mimeappsList(), kOthersList);
    QFile::setPermissions(f.desktop.configHome(), QFile::ReadOwner | QFile::ExeOwner);
    f.registerOnly({4});
    QFile::setPermissions(f.desktop.configHome(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(f.desktop.read(f.desktop.mimeappsList()), kOthersList);
    EXPECT_EQ(DesktopHome::entries(f.desktop.configHome()), QStringList({"mimeapps.list"}));
}

// Without the desktop's database tools the files are still written and
// nothing fails; only the caches are not made.
TEST(DesktopAssociations, MissingDatabaseToolsAreSkipped)
{
    RegistrationFixture f;
    qputenv("PATH", QFile::encodeName(f.desktop.appDir()));
    ASSERT_TRUE(QStandardPaths::findExecutable("update-mime-database").isEmpty());
    f.registerOnly({4, 20});
    EXPECT_TRUE(QFileInfo(f.desktop.dataHome() + "/mime/packages/io.github.xuanyinfang.xml").isFile());
    EXPECT_FALSE(QFileInfo::exists(f.desktop.dataHome() + "/mime/mime.cache"));
    EXPECT_FALSE(QFileInfo::exists(f.desktop.dataHome() + "/applications/mimeinfo.cache"));
    EXPECT_TRUE(f.desktop.read(f.desktop.mimeappsList()).contains("\naudio/mpeg=io.github.xuanyinfang.desktop;\n"));
    EXPECT_TRUE(QFileInfo(f.desktop.desktopFile()).isFile());
}

} // namespace
