#include "browse/window/preview_dialogs.h"

#include "browse/window/file_browse_events.h"
#include "browse/window/preview_panel.h"

#include <QFileDialog>
#include <QGridLayout>

namespace {

constexpr int kRoomyWidth = 820;
constexpr int kRoomyHeight = 460;

// The panel goes to the right of the folder view, level with its top.
void attach(QFileDialog& dialog, QWidget* panel)
{
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(panel, 1, grid->columnCount(), 1, 1, Qt::AlignTop);
    else if (dialog.layout())
        dialog.layout()->addWidget(panel);
    // Room for the folder view beside the panel.
    dialog.resize(qMax(dialog.width(), kRoomyWidth), qMax(dialog.height(), kRoomyHeight));
}

} // namespace

PreviewDialogs::PreviewDialogs(QWidget* parent, Form1& form, const MpvPlayerOptions& playerOptions)
    : QtDialogs(parent), parent_(parent), form_(form), playerOptions_(playerOptions)
{
}

QStringList PreviewDialogs::openFiles(const FileRequest& request)
{
    QFileDialog dialog(parent_);
    prepareOpenFilesDialog(dialog, request);
    auto* panel = new PreviewPanel(form_, playerOptions_, &dialog);
    attach(dialog, panel);
    Form5& form5 = panel->form5();
    form5.Form_Load();
    onFileBrowse(dialog,
                 [&form5](const QString& name) { form5.ccrpFileDialogs1_FileBrowse(name); });
    const bool accepted = dialog.exec() == QDialog::Accepted;
    form5.Form_Unload();
    return accepted ? dialog.selectedFiles() : QStringList();
}
