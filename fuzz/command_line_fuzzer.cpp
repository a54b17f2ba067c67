// A command line of any bytes, as one Windows-style string and as Linux
// arguments (split at NUL bytes): every piece becomes one line of the list
// text, list files are read in place, nothing else appears.
#include "lifecycle/command_line.h"
#include "fuzz_support.h"

#include <QDir>

namespace {

const QString kListText = QStringLiteral("/from/list\r");

QString readList(const QString&)
{
    return kListText;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString line = QString::fromUtf8(bytes);

    const QString text = commandLineToListText(line, readList);
    check(text.isEmpty() || text.endsWith(QLatin1Char('\r')));
    check(text.size() <= line.size() + 1 + line.count(QLatin1String(".qmx")) * kListText.size() + 1);

    QStringList arguments;
    for (const QByteArray& piece : bytes.split('\0'))
        arguments << QString::fromUtf8(piece);
    const QString fromArguments = argumentsToListText(arguments, QStringLiteral("/work dir"), readList);
    const QStringList lines = fromArguments.split(QLatin1Char('\r'), Qt::SkipEmptyParts);
    int pieces = 0;
    for (const QString& argument : arguments)
        pieces += argument.isEmpty() ? 0 : 1;
    check(lines.size() <= pieces);
    for (const QString& path : lines)
        check(path == QLatin1String("/from/list") || QDir::isAbsolutePath(path));
    return 0;
}
