#include "chrome/chrome_fixture.h"
#include "doubles/form_folders.h"
#include "doubles/scripted_dialogs.h"
#include "news/help_menu.h"
#include "news/news_switch.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct HelpFixture : ChromeFixture {
    HelpFixture()
    {
        form.programDir = dir.path();
        form.dialogs = &dialogs;
        help.openUrl = [this](const QUrl& url) {
            opened << url;
            return true;
        };
    }
    QByteArray switchFile() const
    {
        QFile file(dir.filePath("v.sz"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    HelpMenu help{form.bangzhu1, form.dialogs, programPathOf(form), userPathOf(form)};
    QList<QUrl> opened;
};

TEST(HelpMenu, NewsSwitchTogglesAndIsReadBackAtTheNextStart)
{
    HelpFixture f;
    f.help.bangzhu1_Click(HelpItem::NoNewsPopups);
    EXPECT_TRUE(f.form.bangzhu1.at(HelpItem::NoNewsPopups).checked);
    EXPECT_EQ(f.switchFile(), "True\r\n");
    EXPECT_TRUE(newsPopupsForbidden(f.dir.filePath("v.sz")));

    f.help.bangzhu1_Click(HelpItem::NoNewsPopups);
    EXPECT_FALSE(f.form.bangzhu1.at(HelpItem::NoNewsPopups).checked);
    EXPECT_EQ(f.switchFile(), "False\r\n");
    EXPECT_FALSE(newsPopupsForbidden(f.dir.filePath("v.sz")));
}

TEST(HelpMenu, OpensTheFeatureDescriptionAndTheHomePage)
{
    HelpFixture f;
    f.form.programDir = f.dir.path() + "/"; // a folder given with its separator
    for (int item : {HelpItem::Features, HelpItem::Upgrade, HelpItem::HomePage})
        f.help.bangzhu1_Click(item);
    ASSERT_EQ(f.opened.size(), 3);
    EXPECT_EQ(f.opened[0].toLocalFile(), f.dir.path() + "/璇音坊帮助/《璇音坊》功能介绍.txt");
    EXPECT_FALSE(f.opened[1].toString().endsWith('/'));
    EXPECT_EQ(f.opened[2].toString(), f.opened[1].toString() + "/");
}

TEST(HelpMenu, AboutBoxShowsTheVersionLineByLine)
{
    HelpFixture f;
    f.help.bangzhu1_Click(HelpItem::About);
    ASSERT_EQ(f.dialogs.shown.size(), 1);
    EXPECT_EQ(f.dialogs.shown[0].title, "关于璇音坊...");
    EXPECT_EQ(f.dialogs.shown[0].icon, Dialogs::Icon::Exclamation);
    const QStringList lines = f.dialogs.shown[0].text.split('\r');
    ASSERT_EQ(lines.size(), 8); // seven lines, each ended by CR
    EXPECT_EQ(lines[0], "  璇音坊");
    EXPECT_EQ(lines[2], "  版本号: 10.90");
    EXPECT_EQ(lines[7], "");
}

} // namespace
