#include "playlist/sort_key.h"

#include <algorithm>

namespace SortKeys {

namespace {

// The part after the last sep, a blank, and the part up to and with sep.
void turnAround(QString& out, QStringView dir, QStringView caption, QChar sep)
{
    if (const qsizetype at = caption.lastIndexOf(sep); at >= 0) {
        out += caption.mid(at + 1);
        out += QLatin1Char(' ');
        out += dir;
        out += caption.left(at + 1);
    } else if (const qsizetype dirAt = dir.lastIndexOf(sep); dirAt >= 0) {
        out += dir.mid(dirAt + 1);
        out += caption;
        out += QLatin1Char(' ');
        out += dir.left(dirAt + 1);
    } else {
        out += dir;
        out += caption;
        out += QLatin1Char(' ');
    }
}

// A key in the shared text, with the four code units that follow the
// prefix all keys have in common, packed so that comparing the numbers
// compares those units. Most pairs differ there and need no text.
struct Key {
    quint64 head;
    qsizetype start;
    qsizetype size;
    int position;
};

qsizetype commonPrefix(const QString& text, const std::vector<Key>& keys)
{
    if (keys.empty())
        return 0;
    const QStringView first(text.constData() + keys[0].start, keys[0].size);
    qsizetype common = first.size();
    for (const Key& key : keys) {
        const QStringView k(text.constData() + key.start, key.size);
        qsizetype n = 0;
        while (n < common && n < k.size() && k[n] == first[n])
            ++n;
        common = n;
    }
    return common;
}

} // namespace

void append(QString& out, QStringView dir, QStringView caption, int index)
{
    switch (index) {
    case 1: turnAround(out, dir, caption, QLatin1Char('/')); break;
    case 2: turnAround(out, dir, caption, QLatin1Char('.')); break;
    default:
        out += dir;
        out += caption;
        break;
    }
}

std::vector<int> order(const std::vector<Path>& paths, int index)
{
    QString text;
    std::vector<Key> keys;
    keys.reserve(paths.size());
    for (const Path& path : paths) {
        const qsizetype start = text.size();
        append(text, path.dir, path.caption, index);
        keys.push_back({0, start, text.size() - start, int(keys.size())});
    }
    const QChar* units = text.constData();
    const qsizetype common = commonPrefix(text, keys);
    for (Key& key : keys) {
        for (qsizetype at = common; at < common + 4; ++at)
            key.head = (key.head << 16) | (at < key.size ? units[key.start + at].unicode() : 0u);
    }
    std::sort(keys.begin(), keys.end(), [units](const Key& a, const Key& b) {
        if (a.head != b.head)
            return a.head < b.head;
        const int c = QStringView(units + a.start, a.size).compare(QStringView(units + b.start, b.size));
        return c != 0 ? c < 0 : a.position < b.position;
    });
    std::vector<int> result;
    result.reserve(keys.size());
    for (const Key& key : keys)
        result.push_back(key.position);
    return result;
}

} // namespace SortKeys
