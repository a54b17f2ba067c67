// A registration store of any bytes: read without a crash, and a key and
// value set afterwards read back as set.
#include "registration/module1.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Module1 store(fileHolding("store.json", bytes));
    const QString root = Module1::kClassesRoot;
    int type = 0;
    for (const char* key : {".mp3", "qmxlumo\\shell\\open\\command", "qmxlumo\\defaultIcon", ""})
        store.sdaGetRegEntry(root, QString::fromLatin1(key), QString(), type);
    store.sdaGetRegEntry(QStringLiteral("HKEY_CURRENT_USER"), QStringLiteral(".mp3"), QString(), type);

    store.reg_create_key(root, QStringLiteral(".QMX"));
    store.reg_set_key_value(root, QStringLiteral(".qmx"), QString(), QStringLiteral("qmxlumo"), Module1::kString);
    type = 0;
    check(store.sdaGetRegEntry(root, QStringLiteral(".Qmx"), QString(), type) == QStringLiteral("qmxlumo"));
    check(type == Module1::kString);
    return 0;
}
