// A news switch file "v.sz" of any bytes: read without a crash, and a file
// whose first line is "True" always forbids the popups.
#include "news/news_switch.h"

#include <QDir>
#include <QFile>
#include <cstdlib>
#include <unistd.h>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

QString writeSwitch(const QByteArray& bytes)
{
    static const QString path =
        QDir::tempPath() + QStringLiteral("/news-switch-fuzz-%1.sz").arg(::getpid());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    newsPopupsForbidden(writeSwitch(bytes));
    check(newsPopupsForbidden(writeSwitch("True\r\n" + bytes)));
    return 0;
}
