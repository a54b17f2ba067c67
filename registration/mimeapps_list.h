#pragma once

#include <QByteArray>
#include <QString>

// Edits of the desktop's list of default applications (mimeapps.list) that
// keep every other byte: other sections, keys, comments, line ends and
// bytes the file has. A default is set by putting the application first in
// the type's line, before what the line held; taking it back removes it
// from the front again, which gives the line back as it was (and removes a
// line or section that only it needed).
namespace MimeAppsList {

inline constexpr const char* kDefaultsGroup = "[Default Applications]";
// The comment under a defaults group that was added for our lines alone.
inline constexpr const char* kAddedMark = "# added by 璇音坊 for the file types it opens";

// Whether the desktop can read the file at all: UTF-8 text whose lines are
// blank, comments, [groups] or key=value. Unreadable files are left alone.
bool readable(const QByteArray& text);
// The type's value in the defaults group ("a.desktop;b.desktop;"), or
// empty when it has none.
QByteArray defaultsOf(const QByteArray& text, const QString& mimeType);
// Makes desktopFile ("x.desktop") the type's first default.
QByteArray withDefault(const QByteArray& text, const QString& mimeType, const QString& desktopFile);
// Takes desktopFile back from the type when it is the first default.
QByteArray withoutDefault(const QByteArray& text, const QString& mimeType, const QString& desktopFile);

} // namespace MimeAppsList
