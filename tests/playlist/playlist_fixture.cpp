#include "playlist_fixture.h"

#include <QStringEncoder>

QByteArray gb(const QString& text)
{
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

std::string testName(const QString& text)
{
    std::string name;
    for (const QChar c : text)
        name += (c.unicode() < 128 && c.isLetterOrNumber()) ? char(c.unicode()) : '_';
    return name.empty() ? std::string("empty") : name;
}
