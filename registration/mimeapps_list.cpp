#include "registration/mimeapps_list.h"

#include <QByteArrayList>
#include <QStringDecoder>

namespace MimeAppsList {
namespace {

struct Lines {
    QByteArrayList lines; // split at '\n'; joined again they give the text back
    int header = -1;      // the defaults group's header line
    int end = -1;         // the first line after the group
};

bool isHeader(const QByteArray& line)
{
    const QByteArray t = line.trimmed();
    return t.startsWith('[') && t.endsWith(']');
}

Lines split(const QByteArray& text)
{
    Lines l;
    l.lines = text.split('\n');
    for (int i = 0; i < l.lines.size(); ++i) {
        if (l.header < 0 && l.lines[i].trimmed() == kDefaultsGroup) {
            l.header = i;
            l.end = int(l.lines.size());
        } else if (l.header >= 0 && isHeader(l.lines[i])) {
            l.end = i;
            break;
        }
    }
    return l;
}

// Where the value of mimeType starts in a line "type = value", or -1.
qsizetype valueStart(const QByteArray& line, const QByteArray& key)
{
    if (!line.startsWith(key))
        return -1;
    qsizetype i = key.size();
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    if (i >= line.size() || line[i] != '=')
        return -1;
    ++i;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    return i;
}

int findKey(const Lines& l, const QByteArray& key)
{
    for (int i = l.header + 1; l.header >= 0 && i < l.end; ++i) {
        if (valueStart(l.lines[i], key) >= 0)
            return i;
    }
    return -1;
}

} // namespace

bool readable(const QByteArray& text)
{
    if (text.contains('\0'))
        return false;
    // The decoder works when its result is taken; only its errors matter.
    // Stateless: a sequence cut off at the end is an error too, not a rest
    // kept for more text.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(text);
    if (utf8.hasError())
        return false;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#') || isHeader(line))
            continue;
        if (line.indexOf('=') <= 0)
            return false;
    }
    return true;
}

QByteArray defaultsOf(const QByteArray& text, const QString& mimeType)
{
    const Lines l = split(text);
    const QByteArray key = mimeType.toUtf8();
    const int i = findKey(l, key);
    return i < 0 ? QByteArray() : l.lines[i].mid(valueStart(l.lines[i], key)).trimmed();
}

QByteArray withDefault(const QByteArray& text, const QString& mimeType, const QString& desktopFile)
{
    Lines l = split(text);
    const QByteArray key = mimeType.toUtf8();
    const QByteArray ours = desktopFile.toUtf8() + ';';
    const int i = findKey(l, key);
    if (i >= 0) {
        const qsizetype at = valueStart(l.lines[i], key);
        if (!l.lines[i].mid(at).startsWith(ours))
            l.lines[i].insert(at, ours);
        return l.lines.join('\n');
    }
    const QByteArray line = key + '=' + ours;
    if (l.header < 0) {
        QByteArray out = text;
        if (!out.isEmpty() && !out.endsWith('\n'))
            out += '\n';
        if (!out.isEmpty())
            out += '\n';
        return out + kDefaultsGroup + '\n' + kAddedMark + '\n' + line + '\n';
    }
    // After the group's last line that is not blank, so a blank line
    // before the next group stays where it is.
    int at = l.end;
    while (at - 1 > l.header && l.lines[at - 1].trimmed().isEmpty())
        --at;
    l.lines.insert(at, line);
    return l.lines.join('\n');
}

QByteArray withoutDefault(const QByteArray& text, const QString& mimeType, const QString& desktopFile)
{
    Lines l = split(text);
    const QByteArray key = mimeType.toUtf8();
    const QByteArray ours = desktopFile.toUtf8() + ';';
    const int i = findKey(l, key);
    if (i < 0)
        return text;
    const qsizetype at = valueStart(l.lines[i], key);
    if (!l.lines[i].mid(at).startsWith(ours))
        return text;
    l.lines[i].remove(at, ours.size());
    if (!l.lines[i].mid(at).trimmed().isEmpty())
        return l.lines.join('\n');
    l.lines.removeAt(i);
    // A group that was added for our lines goes when the last of them goes,
    // with the blank line that was put before it.
    l = split(l.lines.join('\n'));
    if (l.header + 1 >= l.lines.size() || l.lines[l.header + 1].trimmed() != kAddedMark)
        return l.lines.join('\n');
    for (int k = l.header + 2; k < l.end; ++k) {
        if (!l.lines[k].trimmed().isEmpty())
            return l.lines.join('\n');
    }
    l.lines.remove(l.header, 2);
    const int next = l.header;
    if (next > 0 && l.lines[next - 1].isEmpty() && (next == l.lines.size() - 1 || l.lines[next].isEmpty()))
        l.lines.removeAt(next - 1);
    return l.lines.join('\n');
}

} // namespace MimeAppsList
