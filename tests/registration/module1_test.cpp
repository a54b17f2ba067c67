#include "registration/module1.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

namespace {

const QString kRoot = Module1::kClassesRoot;

struct Damage {
    const char* name;
    QByteArray contents;
};

void PrintTo(const Damage& c, std::ostream* os) { *os << c.name; }

class DamagedStore : public testing::TestWithParam<Damage> {};

// A store the program did not write reads as empty keys, and the next
// registration writes a sound one over it.
TEST_P(DamagedStore, ReadsAsEmptyKeys)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("xuanyinfang/classes.json");
    QDir().mkpath(dir.filePath("xuanyinfang"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().contents);
    file.close();

    Module1 store(path);
    int type = 0;
    EXPECT_EQ(store.sdaGetRegEntry(kRoot, ".mp3", "", type), "");
    store.reg_create_key(kRoot, ".mp3");
    store.reg_set_key_value(kRoot, ".mp3", "", "qmxlumo", Module1::kString);
    EXPECT_EQ(store.sdaGetRegEntry(kRoot, ".mp3", "", type), "qmxlumo");
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedStore,
    testing::Values(Damage{"Empty", ""}, Damage{"Garbage", QByteArray("\x00\xff\xfe{{\x01", 6)},
                    Damage{"NotUtf8", "{\"HKEY_CLASSES_ROOT\": {\".mp3\": {\"\": \"\xb2\xa5\"}"},
                    Damage{"Truncated", "{\"HKEY_CLASSES_ROOT\": {\".mp3\": {\"\": \"qmx"},
                    Damage{"AnArray", "[1, 2, 3]"},
                    Damage{"KeyNotAnObject", "{\"HKEY_CLASSES_ROOT\": {\".mp3\": 7}}"},
                    Damage{"ValueNotAString", "{\"HKEY_CLASSES_ROOT\": {\".mp3\": {\"\": [true]}}}"}),
    [](const testing::TestParamInfo<Damage>& testInfo) { return std::string(testInfo.param.name); });

TEST(Module1Store, AFolderInPlaceOfTheStoreReadsEmptyAndWritesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("classes.json");
    QDir().mkpath(path);
    Module1 store(path);
    store.reg_create_key(kRoot, ".mp3");
    store.reg_set_key_value(kRoot, ".mp3", "", "qmxlumo", Module1::kString);
    int type = 0;
    EXPECT_EQ(store.sdaGetRegEntry(kRoot, ".mp3", "", type), "");
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST(Module1Store, KeysAreCreatedBeforeValuesAndMatchWithoutCase)
{
    QTemporaryDir dir;
    Module1 store(dir.filePath("classes.json"));
    int type = 0;
    store.reg_set_key_value(kRoot, ".mp3", "", "qmxlumo", Module1::kString);
    EXPECT_EQ(store.sdaGetRegEntry(kRoot, ".mp3", "", type), "") << "a key that is not there cannot be opened";
    store.reg_create_key(kRoot, "qmxlumo\\defaultIcon");
    store.reg_set_key_value(kRoot, "QMXLUMO\\DEFAULTICON", "", "  icon  ", Module1::kString);
    EXPECT_EQ(store.sdaGetRegEntry(kRoot, "qmxlumo\\defaultIcon", "", type), "  icon  ");
    EXPECT_EQ(type, Module1::kString);
    store.reg_create_key(kRoot, "QmxLumo\\DefaultIcon"); // creating it again keeps its value
    EXPECT_EQ(store.sdaGetRegEntry(kRoot, "qmxlumo\\defaultIcon", "", type), "  icon  ");
}

TEST(Module1Store, NumbersOtherTypesAndOtherRoots)
{
    QTemporaryDir dir;
    Module1 store(dir.filePath("classes.json"));
    int type = 0;
    store.reg_create_key(kRoot, "k");
    store.reg_set_key_value(kRoot, "k", "n", "4294967295", Module1::kNumber);
    EXPECT_EQ(store.sdaGetRegEntry(kRoot, "k", "n", type), "4294967295");
    EXPECT_EQ(type, Module1::kNumber);
    store.reg_set_key_value(kRoot, "k", "b", "bytes", 3);
    type = 0;
    EXPECT_EQ(store.sdaGetRegEntry(kRoot, "k", "b", type), "");
    EXPECT_EQ(type, 0);
    store.reg_create_key("HKEY_CURRENT_USER", "k2");
    store.reg_set_key_value("HKEY_CURRENT_USER", "k", "", "x", Module1::kString);
    EXPECT_EQ(store.sdaGetRegEntry("HKEY_CURRENT_USER", "k", "", type), "");
    EXPECT_EQ(store.sdaGetRegEntry("NO_SUCH_ROOT", "k", "n", type), "");
    EXPECT_EQ(store.sdaGetRegEntry(kRoot, "k2", "", type), "");
    EXPECT_EQ(store.sdaGetRegEntry(kRoot, "k", "", type), "") << "the unnamed value was never set";
}

} // namespace
