#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

// What the fuzz targets share: a check that stops the run on a broken
// promise of the code under test, and a file that holds the input.
namespace {

[[maybe_unused]] void check(bool ok, int line = __builtin_LINE())
{
    if (ok)
        return;
    std::fprintf(stderr, "check failed at line %d\n", line);
    std::abort();
}

// A file of this process in the temporary folder (name: "store.json"
// becomes "<tmp>/fuzz-<pid>-store.json") holding bytes; its path.
[[maybe_unused]] QString fileHolding(const char* name, const QByteArray& bytes)
{
    const QString path =
        QDir::tempPath() + QStringLiteral("/fuzz-%1-%2").arg(::getpid()).arg(QLatin1String(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

} // namespace
