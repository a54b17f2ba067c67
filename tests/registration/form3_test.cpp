#include "registration_fixture.h"

#include "doubles/test_names.h"
#include "registration/registration_types.h"

#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

using namespace RegistrationValues;

namespace {

constexpr int kMp3 = 4;
constexpr int kJpg = 12;
constexpr int kBmp = 10;

bool isPicture(int i)
{
    return i >= RegistrationTypes::kFirstPicture && i <= RegistrationTypes::kLastPicture;
}

QString spaces(qsizetype n)
{
    return QString(n, QLatin1Char(' '));
}

struct EdgeCase {
    const char* name;
    std::function<void(RegistrationFixture&)> act;
    std::function<void(RegistrationFixture&)> check;
};

void PrintTo(const EdgeCase& c, std::ostream* os) { *os << c.name; }

class Form3EdgeCases : public testing::TestWithParam<EdgeCase> {};

TEST_P(Form3EdgeCases, StoreAndBoxes)
{
    RegistrationFixture f;
    GetParam().act(f);
    GetParam().check(f);
}

void allUnchecked(RegistrationFixture& f)
{
    for (int i = 0; i < RegistrationTypes::kCount; ++i)
        EXPECT_EQ(f.form3.Check1[i], 0) << RegistrationTypes::extension(i).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Form3EdgeCases,
    testing::Values(
        EdgeCase{"NothingRegisteredShowsEveryBoxEmpty",
                 [](RegistrationFixture& f) {
                     f.form3.Check1.fill(1);
                     f.form3.Form_Load();
                 },
                 allUnchecked},
        EdgeCase{"RegisteredTypesShowChecked",
                 [](RegistrationFixture& f) {
                     f.registerOnly({0, kMp3, 20});
                     f.form3.Form_Unload();
                     f.form3.Form_Load();
                 },
                 [](RegistrationFixture& f) {
                     for (int i = 0; i < RegistrationTypes::kCount; ++i)
                         EXPECT_EQ(f.form3.Check1[i], i == 0 || i == kMp3 || i == 20 ? 1 : 0) << i;
                 }},
        EdgeCase{"MovedProgramShowsEveryBoxEmpty",
                 [](RegistrationFixture& f) {
                     f.form3.anniu1_Click(Form3::SelectAll);
                     f.registerChecked();
                     f.form.programDir = f.desktop.appDir() + "-moved";
                     f.form3.Form_Load();
                 },
                 [](RegistrationFixture& f) {
                     allUnchecked(f);
                     EXPECT_EQ(f.stored(".mp3"), "qmxlumo");
                 }},
        EdgeCase{"UncheckedMp3OfAnotherProgramIsLeftAlone",
                 [](RegistrationFixture& f) {
                     f.storeValue(".mp3", "other.mp3");
                     f.registerOnly({0});
                 },
                 [](RegistrationFixture& f) { EXPECT_EQ(f.stored(".mp3"), "other.mp3"); }},
        EdgeCase{"UncheckedMp3OfOursIsEmptied",
                 [](RegistrationFixture& f) {
                     f.registerOnly({kMp3});
                     f.registerOnly({});
                 },
                 [](RegistrationFixture& f) {
                     EXPECT_EQ(f.stored(".mp3"), "");
                     EXPECT_EQ(f.stored("qmxlumo\\shell\\open\\command").trimmed(),
                               f.desktop.program() + " %1");
                 }},
        EdgeCase{"IconIsEmptyWithoutSwf",
                 [](RegistrationFixture& f) {
                     f.form3.Form_Load();
                     f.form3.Check1.fill(1);
                     f.form3.Check1[RegistrationTypes::kFlash] = 0;
                     f.registerChecked();
                 },
                 [](RegistrationFixture& f) {
                     EXPECT_EQ(f.stored("qmxlumo\\defaultIcon"), "");
                     EXPECT_EQ(f.stored(".rm"), "qmxlumo");
                     EXPECT_EQ(f.stored(".swf"), "");
                 }},
        EdgeCase{"IconIsSetAfterSelectAll",
                 [](RegistrationFixture& f) {
                     f.form3.Form_Load();
                     f.form3.anniu1_Click(Form3::SelectAll);
                     f.registerChecked();
                 },
                 [](RegistrationFixture& f) {
                     const QString icon = f.desktop.appDir() + "/tubiao/chengxutubiao.ico";
                     EXPECT_EQ(f.stored("qmxlumo\\defaultIcon"), icon + spaces(127 - icon.size()));
                 }},
        EdgeCase{"IconOfAFolderEndingInASlash",
                 [](RegistrationFixture& f) {
                     f.form.programDir = f.desktop.appDir() + "/";
                     f.form3.Form_Load();
                     f.form3.anniu1_Click(Form3::SelectAll);
                     f.registerChecked();
                 },
                 [](RegistrationFixture& f) {
                     const QString icon = f.desktop.appDir() + "/tubiao/chxutubiao.ico";
                     EXPECT_EQ(f.stored("qmxlumo\\defaultIcon"), icon + spaces(127 - icon.size()));
                     EXPECT_TRUE(f.stored("qmxlumo\\shell\\open\\command")
                                     .startsWith(f.desktop.program() + " %1 "));
                 }},
        EdgeCase{"CommandIsPaddedTo127",
                 [](RegistrationFixture& f) { f.registerOnly({kMp3}); },
                 [](RegistrationFixture& f) {
                     const QString command = f.desktop.program() + " %1";
                     EXPECT_EQ(f.stored("qmxlumo\\shell\\open\\command"),
                               command + spaces(127 - command.size()));
                 }},
        EdgeCase{"LongCommandIsCutTo127",
                 [](RegistrationFixture& f) {
                     f.form.programDir = "/" + QString(200, QLatin1Char('d'));
                     f.registerOnly({kMp3});
                     f.form3.Form_Unload();
                     f.form3.Form_Load(); // the cut command still counts as ours
                 },
                 [](RegistrationFixture& f) {
                     const QString command = "/" + QString(200, QLatin1Char('d')) + "/xuanyinfang %1";
                     EXPECT_EQ(f.stored("qmxlumo\\shell\\open\\command"), command.left(127));
                     EXPECT_EQ(f.form3.Check1[kMp3], 1);
                 }},
        EdgeCase{"LabelClickedTwiceGivesTheBoxBack",
                 [](RegistrationFixture& f) {
                     f.form3.Form_Load();
                     f.form3.Check1[1] = 1;
                     for (int i : {0, 0, 1, 1, 2})
                         f.form3.Label1_Click(i);
                 },
                 [](RegistrationFixture& f) {
                     EXPECT_EQ(f.form3.Check1[0], 0);
                     EXPECT_EQ(f.form3.Check1[1], 1);
                     EXPECT_EQ(f.form3.Check1[2], 1);
                 }},
        EdgeCase{"ClearAllAfterSelectAll",
                 [](RegistrationFixture& f) {
                     f.form3.anniu1_Click(Form3::SelectAll);
                     f.form3.anniu1_Click(Form3::ClearAll);
                 },
                 allUnchecked},
        EdgeCase{"NoChangesNothing",
                 [](RegistrationFixture& f) {
                     f.form3.Form_Load();
                     f.form3.anniu1_Click(Form3::SelectAll);
                     f.dialogs.questionAnswers.enqueue(false);
                     f.form3.anniu1_Click(Form3::Register);
                 },
                 [](RegistrationFixture& f) {
                     EXPECT_FALSE(QFileInfo::exists(f.form3.store.storeFile()));
                     EXPECT_FALSE(QFileInfo::exists(f.desktop.mimeappsList()));
                     ASSERT_EQ(f.dialogs.shown.size(), 1);
                     EXPECT_EQ(f.dialogs.shown[0].text, Form3::Question);
                 }},
        EdgeCase{"YesAsksThenTellsItIsDone",
                 [](RegistrationFixture& f) { f.registerOnly({kMp3}); },
                 [](RegistrationFixture& f) {
                     ASSERT_EQ(f.dialogs.shown.size(), 2);
                     EXPECT_EQ(f.dialogs.shown[0].kind, "question");
                     EXPECT_EQ(f.dialogs.shown[0].text, "确实注册选择项和取消注册未选项吗?");
                     EXPECT_EQ(f.dialogs.shown[0].title, QCoreApplication::applicationName());
                     EXPECT_EQ(f.dialogs.shown[1].kind, "message");
                     EXPECT_EQ(f.dialogs.shown[1].text, "注册和取消注册完成!");
                 }},
        EdgeCase{"SilentFirstRunSkipsThePictures",
                 [](RegistrationFixture& f) {
                     // .jpg was registered before; .bmp belongs to another program.
                     f.storeValue("qmxlumo\\shell\\open\\command",
                                  command_text(f.form.programDir, "xuanyinfang"));
                     f.storeValue(".jpg", "qmxlumo");
                     f.storeValue(".bmp", "other.bmp");
                     f.form3.firstRunRegistration();
                 },
                 [](RegistrationFixture& f) {
                     EXPECT_TRUE(f.dialogs.shown.isEmpty());
                     EXPECT_TRUE(f.form.state.kaishizhuce.isEmpty());
                     EXPECT_FALSE(f.form3.isLoaded());
                     for (int i = 0; i < RegistrationTypes::kCount; ++i) {
                         const QString ext = RegistrationTypes::extension(i);
                         const QString expected = !isPicture(i) || i == kJpg ? "qmxlumo"
                                                  : i == kBmp                ? "other.bmp"
                                                                             : "";
                         EXPECT_EQ(f.stored(ext), expected) << ext.toStdString();
                     }
                     EXPECT_TRUE(QFileInfo(f.desktop.appDir() + "/数据库/注册").isFile());
                     EXPECT_EQ(QFileInfo(f.desktop.appDir() + "/数据库/注册").size(), 0);
                 }},
        EdgeCase{"FirstRunOnlyWhileTheMarkerIsMissing",
                 [](RegistrationFixture& f) {
                     f.desktop.write(f.desktop.appDir() + "/数据库/注册", "");
                     f.form3.firstRunRegistration();
                 },
                 [](RegistrationFixture& f) {
                     EXPECT_FALSE(QFileInfo::exists(f.form3.store.storeFile()));
                     EXPECT_FALSE(QFileInfo::exists(f.desktop.desktopFile()));
                 }}),
    [](const testing::TestParamInfo<EdgeCase>& testInfo) { return std::string(testInfo.param.name); });

TEST(Form3Window, TheMainWindowIsDisabledWhileLoaded)
{
    RegistrationFixture f;
    QList<bool> states;
    QObject context;
    f.form3.enableMainWindow.connect(&context, [&](bool enabled) { states << enabled; });
    int shown = 0;
    f.form3.showWindow.connect(&context, [&] { ++shown; });
    f.form3.show();
    f.form3.show();
    EXPECT_EQ(states, QList<bool>({false}));
    EXPECT_EQ(shown, 2);
    f.form3.anniu1_Click(Form3::Close);
    EXPECT_EQ(states, QList<bool>({false, true}));
    EXPECT_FALSE(f.form3.isLoaded());
}

} // namespace
