#include "discs/mount_table.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

namespace {

// The table writes blanks, tabs, line ends and backslashes as \ooo.
QString unescaped(const QByteArray& field)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QByteArray octal = field.mid(i + 1, 3);
        bool ok = false;
        const int code = field.at(i) == '\\' && octal.size() == 3 ? octal.toInt(&ok, 8) : 0;
        if (ok && code < 256) {
            bytes += char(code);
            i += 3;
        } else {
            bytes += field.at(i);
        }
    }
    return QString::fromUtf8(bytes);
}

// Sources such as "tmpfs" or "proc" name no file.
QString resolved(const QString& device)
{
    if (!device.startsWith(QLatin1Char('/')))
        return device;
    const QString target = QFileInfo(device).canonicalFilePath();
    return target.isEmpty() ? device : target;
}

} // namespace

MountTable::MountTable(QString path) : path_(std::move(path)) {}

QString MountTable::mountPointOf(const QString& device) const
{
    QFile table(path_);
    if (device.isEmpty() || !table.open(QIODevice::ReadOnly))
        return {};
    const QString wanted = resolved(device);
    // id parent major:minor root mount-point options [tags...] - type source super-options
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (dash < 6 || dash + 2 >= fields.size() || fields.at(3) != "/")
            continue;
        if (resolved(unescaped(fields.at(dash + 2))) == wanted)
            return unescaped(fields.at(4));
    }
    return {};
}
