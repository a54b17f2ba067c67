#include "registration/mimeapps_list.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

const QString kOurs = QStringLiteral("io.github.xuanyinfang.desktop");

struct Edit {
    const char* name;
    QByteArray before;
    const char* mimeType;
    QByteArray registered; // after making us the type's default
};

void PrintTo(const Edit& c, std::ostream* os) { *os << c.name; }

class MimeAppsEdits : public testing::TestWithParam<Edit> {};

// Setting our default changes only our line; taking it back gives the
// file back byte for byte.
TEST_P(MimeAppsEdits, SetAndTakeBack)
{
    const Edit& e = GetParam();
    const QByteArray registered = MimeAppsList::withDefault(e.before, e.mimeType, kOurs);
    EXPECT_EQ(registered, e.registered);
    EXPECT_EQ(MimeAppsList::withDefault(registered, e.mimeType, kOurs), registered) << "set twice";
    EXPECT_EQ(MimeAppsList::withoutDefault(registered, e.mimeType, kOurs), e.before);
    EXPECT_TRUE(MimeAppsList::defaultsOf(registered, e.mimeType).startsWith(kOurs.toUtf8() + ';'));
}

INSTANTIATE_TEST_SUITE_P(
    Files, MimeAppsEdits,
    testing::Values(
        Edit{"NoFile", "", "audio/mpeg", "[Default Applications]\n# added by 璇音坊 for the file types it opens\naudio/mpeg=io.github.xuanyinfang.desktop;\n"},
        Edit{"OtherSectionsOnly", "# mine\n[Added Associations]\naudio/mpeg=vlc.desktop;\n", "audio/mpeg",
             "# mine\n[Added Associations]\naudio/mpeg=vlc.desktop;\n\n[Default Applications]\n"
             "# added by 璇音坊 for the file types it opens\naudio/mpeg=io.github.xuanyinfang.desktop;\n"},
        Edit{"AnotherProgramsDefault",
             "[Default Applications]\n# kept\naudio/mpeg = vlc.desktop;mpv.desktop;\ntext/plain=gedit.desktop;\n\n"
             "[Removed Associations]\nvideo/mpeg=totem.desktop;\n",
             "audio/mpeg",
             "[Default Applications]\n# kept\naudio/mpeg = io.github.xuanyinfang.desktop;vlc.desktop;mpv.desktop;\n"
             "text/plain=gedit.desktop;\n\n[Removed Associations]\nvideo/mpeg=totem.desktop;\n"},
        Edit{"NewLineBeforeTheBlankBeforeTheNextGroup",
             "[Default Applications]\ntext/plain=gedit.desktop;\n\n[Added Associations]\nx/y=z.desktop;\n",
             "video/mpeg",
             "[Default Applications]\ntext/plain=gedit.desktop;\nvideo/mpeg=io.github.xuanyinfang.desktop;\n\n"
             "[Added Associations]\nx/y=z.desktop;\n"},
        Edit{"WindowsLineEnds", "[Default Applications]\r\naudio/midi=timidity.desktop;\r\n", "audio/midi",
             "[Default Applications]\r\naudio/midi=io.github.xuanyinfang.desktop;timidity.desktop;\r\n"},
        Edit{"AKeyThatOnlyStartsLikeOurs", "[Default Applications]\nvideo/mpeg-x=a.desktop;\n", "video/mpeg",
             "[Default Applications]\nvideo/mpeg-x=a.desktop;\nvideo/mpeg=io.github.xuanyinfang.desktop;\n"},
        Edit{"TheTypeInAnotherGroupOnly", "[Added Associations]\nimage/gif=eog.desktop;\n[Default Applications]\n",
             "image/gif",
             "[Added Associations]\nimage/gif=eog.desktop;\n[Default Applications]\n"
             "image/gif=io.github.xuanyinfang.desktop;\n"}),
    [](const testing::TestParamInfo<Edit>& testInfo) { return std::string(testInfo.param.name); });

TEST(MimeAppsList, ADefaultTheUserChangedSinceIsNotTakenBack)
{
    const QByteArray text = "[Default Applications]\naudio/mpeg=vlc.desktop;io.github.xuanyinfang.desktop;\n";
    EXPECT_EQ(MimeAppsList::withoutDefault(text, "audio/mpeg", kOurs), text);
    EXPECT_EQ(MimeAppsList::withoutDefault(text, "video/mpeg", kOurs), text);
}

struct Readability {
    const char* name;
    QByteArray text;
    bool readable;
};

void PrintTo(const Readability& c, std::ostream* os) { *os << c.name; }

class MimeAppsReadable : public testing::TestWithParam<Readability> {};

TEST_P(MimeAppsReadable, OnlyFilesTheDesktopCanRead)
{
    EXPECT_EQ(MimeAppsList::readable(GetParam().text), GetParam().readable);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MimeAppsReadable,
    testing::Values(Readability{"Empty", "", true},
                    Readability{"Usual", "# c\n\n[Default Applications]\na/b=c.desktop;\n", true},
                    Readability{"ChineseComment", "# 我的\n[Default Applications]\n", true},
                    Readability{"NotUtf8", "# \xce\xd2\xb5\xc4\n[Default Applications]\n", false},
                    Readability{"Binary", QByteArray("\x7f" "ELF\x02\x01\x00\x00", 8), false},
                    Readability{"LineWithoutKey", "[Default Applications]\njust words\n", false},
                    Readability{"EmptyKey", "[Default Applications]\n=x.desktop;\n", false}),
    [](const testing::TestParamInfo<Readability>& testInfo) { return std::string(testInfo.param.name); });

} // namespace
