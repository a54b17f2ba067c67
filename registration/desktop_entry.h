#pragma once

#include <QByteArray>
#include <QString>

// The program's desktop entry and its own MIME type for list files, as the
// package ships them (packaging/io.github.xuanyinfang.desktop and
// registration/xuanyinfang-list.xml, built in as resources).
namespace DesktopEntry {

inline const QString kId = QStringLiteral("io.github.xuanyinfang");
inline const QString kFileName = QStringLiteral("io.github.xuanyinfang.desktop");
inline const QString kListMimeType = QStringLiteral("application/x-xuanyinfang-list");

QByteArray shipped();
QByteArray listMimeXml();
// The shipped entry with Exec starting the given executable with %F.
QByteArray forExecutable(const QString& executable);
// An argument of an Exec line: quoted where needed, as the entry's text.
QString execArgument(const QString& argument);

} // namespace DesktopEntry
