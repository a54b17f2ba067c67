#pragma once

#include <QIdentityProxyModel>

class QCoreApplication;
class QFileDialog;

// Makes Qt's own texts Chinese: loads Qt's Chinese catalog, adds the few
// texts that catalog lacks (the file list's "Folder" and "Drive"), and
// makes Chinese the default locale, so file types read in Chinese too.
void installChineseTexts(QCoreApplication& app);

// A file dialog's list with sizes and dates in Chinese. Qt formats them in
// the system's locale, which on a machine set up in English is English.
class ChineseFileListModel : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override;

    // "0 字节", "1.5 千字节", "2.25 兆字节": powers of 1024, as Qt counts.
    static QString sizeText(qint64 bytes);
};

// Shows the dialog's files through a ChineseFileListModel.
void showFileListInChinese(QFileDialog& dialog);
