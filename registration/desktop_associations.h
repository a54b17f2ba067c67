#pragma once

#include <QString>
#include <QStringList>

// Makes the desktop open the registered file types with this program: its
// desktop entry in $XDG_DATA_HOME/applications (Exec the running
// executable), its list-file type in $XDG_DATA_HOME/mime, its icon, and
// for each registered suffix its MIME types (as the system's MIME database
// names them) as defaults in $XDG_CONFIG_HOME/mimeapps.list. Unregistered
// suffixes lose only the defaults that point to this program, and get back
// what the line held before. Every file is replaced atomically; a
// mimeapps.list the desktop could not read is left as it is. The desktop's
// databases are brought up to date where their tools are installed.
class DesktopAssociations {
public:
    struct Setup {
        QString executable;  // what Exec starts
        QString programDir;  // holds tubiao/璇音坊.png
        bool installed = false; // installed system-wide: the system has the icon
    };

    explicit DesktopAssociations(Setup setup) : setup_(std::move(setup)) {}

    // The MIME types of a suffix (".mp3"); our own for ".qmx".
    static QStringList mimeTypes(const QString& extension);

    void apply(const QStringList& registered, const QStringList& unregistered);

private:
    void installEntry(const QString& dataHome);
    void installListType(const QString& dataHome);
    void installIcon(const QString& dataHome);
    void setDefaults(const QStringList& registered, const QStringList& unregistered);

    Setup setup_;
};
