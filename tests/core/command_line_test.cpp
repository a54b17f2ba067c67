// From what the program was started with to its list text.
#include "lifecycle/command_line.h"

#include <gtest/gtest.h>

namespace {

// A list file "read" by name: its lines, empty ones too, each with a CR.
QString fakeListFile(const QString& path)
{
    return path.endsWith("x.qmx") ? "/m/one.mp3\r\r/m/two.mp3\r" : QString();
}

struct WindowsCase {
    const char* name;
    friend void PrintTo(const WindowsCase& c, std::ostream* os) { *os << c.name; }
    QString commandLine;
    QString listText;
};

class WindowsCommandLine : public ::testing::TestWithParam<WindowsCase> {};

TEST_P(WindowsCommandLine, SplitsAtDriveLetters)
{
    EXPECT_EQ(commandLineToListText(GetParam().commandLine, fakeListFile), GetParam().listText);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowsCommandLine,
    ::testing::Values(
        WindowsCase{"two_paths", R"(D:\a.mp3 E:\b.mp3)", "D:\\a.mp3\rE:\\b.mp3\r"},
        WindowsCase{"quoted_with_blanks", R"("D:\My Music\a.mp3")", "D:\\My Music\\a.mp3\r"},
        WindowsCase{"trailing_blanks", "D:\\a.mp3   ", "D:\\a.mp3\r"},
        WindowsCase{"list_file", R"(D:\lists\x.qmx)", "/m/one.mp3\r\r/m/two.mp3\r"},
        WindowsCase{"list_file_in_capitals", R"(D:\lists\x.QMX)", "D:\\lists\\x.QMX\r"},
        WindowsCase{"path_then_list", R"(C:\a b.mp3 D:\x.qmx)",
                    "C:\\a b.mp3\r/m/one.mp3\r\r/m/two.mp3\r"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(LinuxArguments, EachArgumentIsOneAbsolutePath)
{
    const QString text = argumentsToListText(
        {"/music/a.mp3", "clips/My Film.mkv", "../up.ogg", "/lists/x.qmx", "/lists/y.QMX"},
        "/home/user", fakeListFile);
    EXPECT_EQ(text, "/music/a.mp3\r/home/user/clips/My Film.mkv\r/home/up.ogg\r"
                    "/m/one.mp3\r\r/m/two.mp3\r/lists/y.QMX\r");
}

TEST(LinuxArguments, MissingFilesStayEntriesAndUnreadableListsAddNothing)
{
    const QString text = argumentsToListText({"/nowhere/gone.mp3", "/nowhere/list.qmx"}, "/",
                                              fakeListFile);
    EXPECT_EQ(text, "/nowhere/gone.mp3\r");
}

// A list entry ends at a line end, so a name holding one can't be an
// entry: it would turn into two entries, the second a relative piece.
TEST(LinuxArguments, ANameWithALineEndIsLeftOut)
{
    const QString text = argumentsToListText({"/music/a\rb.mp3", "/music/c\nd.mp3", "/music/e.mp3"},
                                              "/", fakeListFile);
    EXPECT_EQ(text, "/music/e.mp3\r");
}

} // namespace
