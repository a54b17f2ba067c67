#include "platform/qt_dialogs.h"

#include "platform/qt_dialogs_language.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

// "*.mp3" -> "*.[mM][pP]3": name filters of Qt's own dialog tell case apart.
QString caseFreePattern(const QString& pattern)
{
    QString result;
    for (const QChar c : pattern) {
        if (c.toLower() != c.toUpper())
            result += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        else
            result += c;
    }
    return result;
}

QString qtPatterns(const QString& patterns)
{
    QStringList result;
    const QStringList parts = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString p = part.trimmed();
        if (p.isEmpty())
            continue;
        result << (p == QLatin1String("*.*") ? QStringLiteral("*") : caseFreePattern(p));
    }
    return result.join(QLatin1Char(' '));
}

QString windowTitle(const QString& title)
{
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}

void prepareFileDialog(QFileDialog& dialog, const Dialogs::FileRequest& request)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    showFileListInChinese(dialog);
    dialog.setWindowTitle(request.title);
    const QStringList filters = toQtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(request.filterIndex - 1));
    if (!request.startFolder.isEmpty())
        dialog.setDirectory(request.startFolder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("文件名(&N):"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("取消"));
}

} // namespace

QStringList toQtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        result << parts.at(i) + QStringLiteral(" (") + qtPatterns(parts.at(i + 1)) + QLatin1Char(')');
    return result;
}

void QtDialogs::messageBox(const QString& text, const QString& title, Icon icon)
{
    // Messages break their lines with CR LF or a lone CR; a label breaks at LF.
    const QString shown = QString(text).replace("\r\n", "\n").replace(u'\r', u'\n');
    const QMessageBox::Icon symbol =
        icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon;
    QMessageBox box(symbol, windowTitle(title), shown, QMessageBox::Ok, parent_);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

bool QtDialogs::question(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Warning, windowTitle(title), text,
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(windowTitle(title));
    // Prompts break their lines with CR LF or a lone CR; a label breaks at LF.
    dialog.setLabelText(QString(prompt).replace("\r\n", "\n").replace(u'\r', u'\n'));
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtDialogs::saveFile(const FileRequest& request)
{
    QFileDialog dialog(parent_);
    prepareFileDialog(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("保存在:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("保存类型:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("保存(&S)"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void prepareOpenFilesDialog(QFileDialog& dialog, const Dialogs::FileRequest& request)
{
    prepareFileDialog(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("查找范围:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("文件类型:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("打开(&O)"));
}

QStringList QtDialogs::openFiles(const FileRequest& request)
{
    QFileDialog dialog(parent_);
    prepareOpenFilesDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString QtDialogs::folder(const QString& title, const QString& startFolder)
{
    QFileDialog dialog(parent_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    showFileListInChinese(dialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setWindowTitle(title);
    if (!startFolder.isEmpty())
        dialog.setDirectory(startFolder);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("确定"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("取消"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}
