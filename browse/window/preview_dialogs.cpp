#include "browse/window/preview_dialogs.h"

#include "browse/window/file_browse_events.h"
#include "browse/window/preview_panel.h"

#include <QFileDialog>
#include <QGridLayout>

namespace {

constexpr int kRoomyWidth = 820;
constexpr int kRoomyHeight = 460;

void setUp(QFileDialog& dialog, const Dialogs::FileRequest& request)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setWindowTitle(request.title);
    const QStringList filters = toQtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(request.filterIndex - 1));
    if (!request.startFolder.isEmpty())
        dialog.setDirectory(request.startFolder);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("查找范围:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("文件名(&N):"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("文件类型:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("打开(&O)"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("取消"));
}

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
    setUp(dialog, request);
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
