// The CD device's command words taken apart, without a drive.
#include "platform/cd/mci_command.h"

#include <gtest/gtest.h>

namespace {

using Verb = MciCommand::Verb;

struct Words {
    const char* text;
    Verb verb;
    const char* argument;
};

class CommandWords : public ::testing::TestWithParam<Words> {};

TEST_P(CommandWords, AreTakenApart)
{
    const auto command = parseMciCommand(QString::fromUtf8(GetParam().text));
    ASSERT_TRUE(command.has_value()) << GetParam().text;
    EXPECT_EQ(command->verb, GetParam().verb);
    EXPECT_EQ(command->argument, QString::fromUtf8(GetParam().argument));
}

INSTANTIATE_TEST_SUITE_P(Vocabulary, CommandWords, ::testing::Values(
    Words{"open  /dev/sr0 type cdaudio alias cd wait shareable", Verb::Open, "/dev/sr0"},
    Words{"open  /tmp/my discs/光盘.cue type cdaudio alias cd wait shareable", Verb::Open,
          "/tmp/my discs/光盘.cue"},
    Words{"open \"/tmp/a type b.cue\" type cdaudio alias cd", Verb::Open, "/tmp/a type b.cue"},
    Words{"OPEN D:\\ TYPE CDAUDIO ALIAS CD SHAREABLE WAIT", Verb::Open, "D:\\"},
    Words{"set cd time format tmsf", Verb::SetTimeFormat, ""},
    Words{"set cd time format milliseconds", Verb::SetTimeFormat, ""},
    Words{"status cd number of tracks wait", Verb::StatusTracks, ""},
    Words{"status cd position", Verb::StatusPosition, ""},
    Words{"status cd length track 12", Verb::StatusLength, "12"},
    Words{"status cd mode", Verb::StatusMode, ""},
    Words{"play cd", Verb::Play, ""},
    Words{"play cd from 183000", Verb::PlayFrom, "183000"},
    Words{"seek cd to 3", Verb::Seek, "3"},
    Words{"seek cd to 1 wait", Verb::Seek, "1"},
    Words{"seek cd to 1:02:03:04", Verb::Seek, "1:02:03:04"},
    Words{"pause cd wait", Verb::Pause, ""},
    Words{"stop cd", Verb::Stop, ""},
    Words{"stop cd wait", Verb::Stop, ""},
    Words{"set cd door open wait", Verb::SetDoor, ""},
    Words{"set cd door closed wait", Verb::SetDoor, ""},
    Words{"close cd", Verb::Close, ""},
    Words{"  Play   CD  ", Verb::Play, ""}));

TEST(CommandWords, TimeFormatAndDoorAreRead)
{
    EXPECT_EQ(parseMciCommand("set cd time format tmsf")->format, CdTime::Format::Tmsf);
    EXPECT_EQ(parseMciCommand("set cd time format milliseconds")->format, CdTime::Format::Milliseconds);
    EXPECT_TRUE(parseMciCommand("set cd door open wait")->doorOpen);
    EXPECT_FALSE(parseMciCommand("set cd door closed wait")->doorOpen);
}

class WrongWords : public ::testing::TestWithParam<const char*> {};

TEST_P(WrongWords, AreNoCommand)
{
    EXPECT_FALSE(parseMciCommand(QString::fromUtf8(GetParam())).has_value()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(NotOfTheVocabulary, WrongWords, ::testing::Values(
    "", "   ", "play", "play dvd", "play cd now", "play cd from", "play cd from 1 2",
    "seek cd", "seek cd to", "seek cd 3", "status cd", "status cd mood", "status cd length 3",
    "status cd length track", "status cd number of track", "set cd time format frames",
    "set cd time format", "set cd door ajar", "set cd door open now", "pause", "stop",
    "close", "close cd now", "open type cdaudio alias cd", "open /dev/sr0 type cdaudio",
    "open /dev/sr0 type waveaudio alias cd", "open /dev/sr0 type cdaudio alias dvd",
    "open  /dev/sr0 type cdaudio alias cd notify", "status cdx position", "play cd wait",
    "play cd from 1000 wait"));

} // namespace
