#include "registration/desktop_associations.h"

#include "core/replace_file.h"
#include "registration/desktop_entry.h"
#include "registration/mimeapps_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeDatabase>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>

namespace {

// Writes the file unless it holds these bytes already.
bool writeAtomically(const QString& path, const QByteArray& bytes)
{
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == bytes)
        return true;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return replaceFile(path, bytes);
}

// Runs a database tool where it is installed. It blocks rather than
// delivering events: it runs inside the start step, which must not tick again.
void runTool(const QString& tool, const QString& folder)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty() || !QFileInfo::exists(folder))
        return;
    QProcess process;
    // Their complaints are about the user's other files, not ours.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, {folder});
    if (process.waitForStarted() && !process.waitForFinished(30000))
        process.kill();
}

QSet<QString> typesOf(const QStringList& extensions)
{
    QSet<QString> types;
    for (const QString& extension : extensions) {
        for (const QString& type : DesktopAssociations::mimeTypes(extension))
            types.insert(type);
    }
    return types;
}

} // namespace

QStringList DesktopAssociations::mimeTypes(const QString& extension)
{
    QStringList names;
    for (const QMimeType& type : QMimeDatabase().mimeTypesForFileName(QLatin1Char('x') + extension))
        names << type.name();
    if (extension.compare(QLatin1String(".qmx"), Qt::CaseInsensitive) == 0 &&
        !names.contains(DesktopEntry::kListMimeType))
        names << DesktopEntry::kListMimeType;
    return names;
}

void DesktopAssociations::apply(const QStringList& registered, const QStringList& unregistered)
{
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    installEntry(dataHome);
    installListType(dataHome);
    if (!setup_.installed)
        installIcon(dataHome);
    setDefaults(registered, unregistered);
}

void DesktopAssociations::installEntry(const QString& dataHome)
{
    const QString folder = dataHome + QStringLiteral("/applications");
    if (writeAtomically(folder + QLatin1Char('/') + DesktopEntry::kFileName,
                        DesktopEntry::forExecutable(setup_.executable)))
        runTool(QStringLiteral("update-desktop-database"), folder);
}

void DesktopAssociations::installListType(const QString& dataHome)
{
    const QString folder = dataHome + QStringLiteral("/mime");
    const QString xml = folder + QStringLiteral("/packages/") + DesktopEntry::kId + QStringLiteral(".xml");
    if (writeAtomically(xml, DesktopEntry::listMimeXml()))
        runTool(QStringLiteral("update-mime-database"), folder);
}

// The program's picture under the entry's icon name, in the user's theme.
void DesktopAssociations::installIcon(const QString& dataHome)
{
    const QString picture = QDir(setup_.programDir).filePath(QStringLiteral("tubiao/璇音坊.png"));
    const QSize size = QImageReader(picture).size();
    QFile file(picture);
    if (!size.isValid() || !file.open(QIODevice::ReadOnly))
        return;
    const QString folder = QStringLiteral("%1/icons/hicolor/%2x%3/apps/")
                               .arg(dataHome).arg(size.width()).arg(size.height());
    writeAtomically(folder + DesktopEntry::kId + QStringLiteral(".png"), file.readAll());
}

// A type that some registered suffix has stays ours even when another
// suffix of it (".vob" beside ".mpg") is not registered.
void DesktopAssociations::setDefaults(const QStringList& registered, const QStringList& unregistered)
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/mimeapps.list");
    QFile file(path);
    QByteArray text;
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            return;
        text = file.readAll();
        if (!MimeAppsList::readable(text))
            return;
    }
    QByteArray edited = text;
    const QSet<QString> wanted = typesOf(registered);
    QStringList sortedWanted(wanted.begin(), wanted.end());
    sortedWanted.sort();
    for (const QString& type : sortedWanted)
        edited = MimeAppsList::withDefault(edited, type, DesktopEntry::kFileName);
    for (const QString& type : typesOf(unregistered) - wanted)
        edited = MimeAppsList::withoutDefault(edited, type, DesktopEntry::kFileName);
    if (edited != text)
        writeAtomically(path, edited);
}
