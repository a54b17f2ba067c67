// The scrolling window title.
#include "lifecycle/title_step.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

TEST(TitleStep, IdleTextScrollsOneCharacterEachStep)
{
    const QString text = titleText("10.90", true, "/m/a.mp3");
    EXPECT_EQ(text, "  璇音坊 10.90      ");
    TitleStep step;
    EXPECT_EQ(step.next(text), text); // the first step shows it unrotated
    EXPECT_EQ(step.next(text), text.mid(1) + text.left(1));
    EXPECT_EQ(step.next(text), text.mid(2) + text.left(2));
}

TEST(TitleStep, EntryTextWrapsRound)
{
    const QString text = titleText("10.90", false, "D:\\a.mp3");
    EXPECT_EQ(text, "  璇音坊 10.90    D:\\a.mp3  ");
    TitleStep step;
    QStringList seen;
    for (int i = 0; i < text.size() + 1; ++i)
        seen << step.next(text);
    EXPECT_EQ(seen.first(), text);
    EXPECT_EQ(seen[text.size() - 1], text.right(1) + text.left(text.size() - 1));
    EXPECT_EQ(seen.last(), text); // back to the start after L steps
}

TEST(TitleStep, LongTextShowsAtMost200CharactersAndRestsInPlace)
{
    const QString path = "/" + QString(249, u'长');
    const QString text = titleText("10.90", false, path);
    const int length = int(text.size());
    TitleStep step;
    QStringList captions;
    for (int i = 0; i < length; ++i)
        captions << step.next(text);
    for (const QString& c : captions)
        EXPECT_LE(c.size(), 200);
    EXPECT_EQ(captions.first(), text.left(200));
    // While the rotation runs through the slots beyond 200, the caption
    // keeps the same text: 200 characters of it, in the starting order.
    int resting = 0;
    for (const QString& c : captions)
        resting += c == text.left(200) ? 1 : 0;
    EXPECT_EQ(resting, length - 200 + 1);
}

TEST(TitleStep, EmptyTextGivesEmptyTitle)
{
    TitleStep step;
    EXPECT_EQ(step.next(QString()), QString());
}

} // namespace
