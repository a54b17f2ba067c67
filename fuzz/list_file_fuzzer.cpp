// A list file of any bytes: both reads give at most 32767 paths, no path
// holds a line end, and writing the list text gives the same paths back.
#include "playlist/gb_text.h"
#include "playlist/list_text.h"
#include "fuzz_support.h"

#include <QBuffer>

namespace {

QStringList read(const QByteArray& bytes, GbText::EmptyLines empty)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return GbText::readLines(buffer, Playlist::kMaxEntries, empty);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const auto empty : {GbText::EmptyLines::Keep, GbText::EmptyLines::Skip}) {
        const QStringList lines = read(bytes, empty);
        check(lines.size() <= Playlist::kMaxEntries);
        for (const QString& line : lines) {
            check(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
            check(empty == GbText::EmptyLines::Keep || !line.isEmpty());
        }
        const QStringList paths = splitListText(joinListText(lines));
        check(paths.size() <= lines.size());
        check(paths == lines.mid(0, paths.size()));
    }
    return 0;
}
