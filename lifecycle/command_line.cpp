#include "lifecycle/command_line.h"

#include <QDir>

namespace {

const QChar kCr = u'\r';

void appendPiece(QString& text, const QString& piece, const ListFileText& readList)
{
    if (!piece.endsWith(QLatin1String(".qmx"))) {
        text += piece + kCr;
        return;
    }
    text += readList(piece);
}

QString withoutTrailingBlanks(const QString& s)
{
    qsizetype end = s.size();
    while (end > 0 && s[end - 1] == u' ')
        --end;
    return s.left(end);
}

} // namespace

QString commandLineToListText(const QString& commandLine, const ListFileText& readList)
{
    QString a = commandLine.startsWith(u'"') ? commandLine.mid(1).chopped(commandLine.size() > 1 ? 1 : 0)
                                             : commandLine;
    a = withoutTrailingBlanks(a);
    QString text;
    for (;;) {
        // The ":" of the next drive letter, looked for from the third
        // character on; the blank and the letter before it start the next path.
        const qsizetype colon = a.indexOf(u':', 2);
        if (colon < 0) {
            appendPiece(text, a, readList);
            return text;
        }
        const qsizetype p = colon + 1; // 1-based position
        appendPiece(text, a.left(qMax<qsizetype>(p - 3, 0)), readList);
        a = a.mid(p - 2);
    }
}

QString argumentsToListText(const QStringList& arguments, const QString& workingDir,
                            const ListFileText& readList)
{
    QString text;
    const QDir dir(workingDir);
    for (const QString& argument : arguments) {
        // A list entry ends at a line end: a name holding one can't be an entry.
        if (argument.isEmpty() || argument.contains(kCr) || argument.contains(u'\n'))
            continue;
        appendPiece(text, QDir::cleanPath(dir.absoluteFilePath(argument)), readList);
    }
    return text;
}
