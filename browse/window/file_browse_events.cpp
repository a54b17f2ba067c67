#include "browse/window/file_browse_events.h"

#include <QAbstractItemView>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <memory>

namespace {

QStringList selectedFiles(const QItemSelectionModel& selection)
{
    QStringList files;
    for (const QModelIndex& index : selection.selectedIndexes()) {
        if (index.column() != 0)
            continue;
        const QString path = index.data(QFileSystemModel::FilePathRole).toString();
        if (!path.isEmpty() && !QFileInfo(path).isDir())
            files << path;
    }
    return files;
}

} // namespace

QString fileBrowseText(const QStringList& files)
{
    if (files.size() == 1)
        return files.first();
    QString text;
    for (const QString& file : files)
        text += QLatin1Char('"') + QFileInfo(file).fileName() + QStringLiteral("\" ");
    return text;
}

void onFileBrowse(QFileDialog& dialog, std::function<void(const QString&)> browse)
{
    // The list and the detail view of Qt's dialog share one selection.
    auto* view = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
    if (!view || !view->selectionModel())
        return;
    QItemSelectionModel* selection = view->selectionModel();
    auto last = std::make_shared<QString>();
    QObject::connect(selection, &QItemSelectionModel::selectionChanged, &dialog,
                     [selection, last, browse = std::move(browse)] {
                         const QString text = fileBrowseText(selectedFiles(*selection));
                         if (text == *last)
                             return;
                         *last = text;
                         browse(text);
                     });
}
