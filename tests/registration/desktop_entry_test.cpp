#include "registration/desktop_entry.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct Quoting {
    const char* name;
    const char* path;
    const char* exec; // as written in the entry
};

void PrintTo(const Quoting& c, std::ostream* os) { *os << c.name; }

class ExecQuoting : public testing::TestWithParam<Quoting> {};

TEST_P(ExecQuoting, AsTheEntryFormatWantsIt)
{
    EXPECT_EQ(DesktopEntry::execArgument(QString::fromUtf8(GetParam().path)).toStdString(), GetParam().exec);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ExecQuoting,
    testing::Values(Quoting{"Plain", "/opt/xy/xuanyinfang", "/opt/xy/xuanyinfang"},
                    Quoting{"Chinese", "/home/我/璇音坊/xuanyinfang", "/home/我/璇音坊/xuanyinfang"},
                    Quoting{"Blank", "/a b/xuanyinfang", "\"/a b/xuanyinfang\""},
                    Quoting{"Percent", "/100%/xuanyinfang", "/100%%/xuanyinfang"},
                    Quoting{"Dollar", "/a$b/x", "\"/a\\\\$b/x\""},
                    Quoting{"QuoteAndBacktick", "/a\"b`c/x", "\"/a\\\\\"b\\\\`c/x\""},
                    Quoting{"Backslash", "/a\\b/x", "\"/a\\\\\\\\b/x\""}),
    [](const testing::TestParamInfo<Quoting>& testInfo) { return std::string(testInfo.param.name); });

TEST(DesktopEntryFile, OnlyExecDiffersFromTheShippedEntry)
{
    const QByteArray shipped = DesktopEntry::shipped();
    ASSERT_TRUE(shipped.contains("\nExec=xuanyinfang %F\n"));
    QByteArray made = DesktopEntry::forExecutable("/a b/xuanyinfang");
    EXPECT_TRUE(made.contains("\nExec=\"/a b/xuanyinfang\" %F\n"));
    made.replace("Exec=\"/a b/xuanyinfang\" %F", "Exec=xuanyinfang %F");
    EXPECT_EQ(made, shipped);
    EXPECT_TRUE(DesktopEntry::listMimeXml().contains("<glob pattern=\"*.qmx\"/>"));
}

} // namespace
