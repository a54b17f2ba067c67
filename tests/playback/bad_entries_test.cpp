// Entries that are no media: corrupt, truncated, empty and non-media files,
// folders, and entries without a caption. Each is given up by the rules.
#include "playback_fixture.h"

#include "core/designed_menus.h"
#include "core/display_mode.h"
#include "playback/loop_mode.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QString writeFile(PlaybackFixture& f, const QString& name, const QByteArray& bytes)
{
    QFile file(f.dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

// The bad entries of a list, one of each kind.
QStringList badEntries(PlaybackFixture& f)
{
    QDir(f.dir.path()).mkdir("folder.mp4");
    return {
        writeFile(f, "empty.mp3", {}),
        writeFile(f, "cut.jpg", QByteArray::fromHex("ffd8ffe000104a46494600")),
        writeFile(f, "notes.avi", "not a film\r\n"),
        writeFile(f, "noise.png", QByteArray(4096, '\x5a')),
        f.dir.filePath("folder.mp4"),
    };
}

TEST(BadEntries, AreReportedOneByOneWithoutLooping)
{
    PlaybackFixture f;
    f.selectLoop(LoopMode::None);
    const QStringList bad = badEntries(f);
    f.setList(bad);
    for (int i = 0; i < bad.size(); ++i) {
        f.form.liebiao_Click(i);
        EXPECT_EQ(f.messages().value(i), "'" + bad.at(i) + "' 不能播放或不存在!");
        EXPECT_EQ(f.form.state.display_mode, DisplayMode::Idle);
        EXPECT_TRUE(f.image2.picture().isNull());
    }
    EXPECT_FALSE(f.opened().contains(bad.last())) << "a folder is not handed to the player";
}

TEST(BadEntries, AreSkippedInLoopAll)
{
    PlaybackFixture f;
    const QString good = f.medium("good.mp3", 0, 0);
    f.setList(badEntries(f) << good);
    f.form.liebiao_Click(0);
    EXPECT_TRUE(f.messages().isEmpty());
    EXPECT_EQ(f.player1.url(), good);
    EXPECT_EQ(f.form.state.display_mode, DisplayMode::Audio);
}

TEST(BadEntries, AnEntryWithoutACaptionIsGivenUp)
{
    for (bool directoriesShown : {true, false}) {
        PlaybackFixture f;
        f.selectLoop(LoopMode::None);
        f.form.xuanxiang1[OptionsItem::ShowDirectories].checked = directoriesShown;
        f.setList({f.medium("a.mp3", 0, 0), f.medium("b.mp3", 0, 0)});
        f.form.liebiao[1].caption.clear();
        const QString path = f.form.state.entry_dirs.value(1);
        f.form.liebiao_Click(1);
        EXPECT_EQ(f.messages(), QStringList{"'" + path + "' 不能播放或不存在!"});
        EXPECT_TRUE(f.opened().isEmpty());
    }
}

} // namespace
