#include "registration/desktop_entry.h"

#include <QByteArrayList>
#include <QFile>

static void initRegistrationResources()
{
    Q_INIT_RESOURCE(registration_files);
}

namespace DesktopEntry {
namespace {

QByteArray resource(const QString& name)
{
    initRegistrationResources();
    QFile file(QStringLiteral(":/registration/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QByteArray shipped()
{
    return resource(kFileName);
}

QByteArray listMimeXml()
{
    return resource(QStringLiteral("xuanyinfang-list.xml"));
}

QByteArray forExecutable(const QString& executable)
{
    QByteArrayList lines = shipped().split('\n');
    for (QByteArray& line : lines) {
        if (line.startsWith("Exec="))
            line = "Exec=" + execArgument(executable).toUtf8() + " %F";
    }
    return lines.join('\n');
}

// Field codes need "%%" for a "%"; an argument with reserved characters is
// quoted, with ", `, $ and \ escaped inside; then the entry's own escapes
// apply to the whole value.
QString execArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString arg = argument;
    arg.replace(QLatin1Char('%'), QStringLiteral("%%"));
    bool quote = false;
    for (QChar c : arg)
        quote = quote || reserved.contains(c);
    if (quote) {
        QString quoted;
        for (QChar c : arg) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        arg = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    QString value;
    for (QChar c : arg) {
        if (c == u'\\')
            value += QStringLiteral("\\\\");
        else if (c == u'\n')
            value += QStringLiteral("\\n");
        else if (c == u'\t')
            value += QStringLiteral("\\t");
        else if (c == u'\r')
            value += QStringLiteral("\\r");
        else
            value += c;
    }
    return value;
}

} // namespace DesktopEntry
