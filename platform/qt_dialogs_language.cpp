#include "platform/qt_dialogs_language.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace {

const QLocale& chinese()
{
    static const QLocale locale(QLocale::Chinese, QLocale::China);
    return locale;
}

// Texts Qt's Chinese catalog does not have yet.
class MissingQtTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        static const QHash<QByteArray, QString> texts = {
            {"Folder", QStringLiteral("文件夹")},
            {"Drive", QStringLiteral("驱动器")},
            {"Shortcut", QStringLiteral("快捷方式")},
            {"Alias", QStringLiteral("替身")},
            {"Unknown", QStringLiteral("未知")},
        };
        return texts.value(source);
    }
};

enum Column { Name, Size, Type, Modified };

} // namespace

void installChineseTexts(QCoreApplication& app)
{
    QLocale::setDefault(chinese());
    auto* catalog = new QTranslator(&app);
    if (catalog->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(catalog);
    else
        delete catalog;
    // Installed last, asked first: only for what it knows.
    QCoreApplication::installTranslator(new MissingQtTexts(&app));
}

QString ChineseFileListModel::sizeText(qint64 bytes)
{
    static const char16_t* const units[] = {u"字节", u"千字节", u"兆字节", u"吉字节", u"太字节", u"拍字节"};
    if (bytes < 1024)
        return QStringLiteral("%1 %2").arg(bytes).arg(QString::fromUtf16(units[0]));
    int power = 0;
    double value = double(bytes);
    while (value >= 1024 && power < 5) {
        value /= 1024;
        ++power;
    }
    static const QRegularExpression trailingZeros(QStringLiteral("\\.?0+$"));
    const QString number = chinese().toString(value, 'f', 2).remove(trailingZeros);
    return number + QLatin1Char(' ') + QString::fromUtf16(units[power]);
}

QVariant ChineseFileListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || (index.column() != Size && index.column() != Modified))
        return QIdentityProxyModel::data(index, role);
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files)
        return QIdentityProxyModel::data(index, role);
    const QFileInfo info = files->fileInfo(mapToSource(index));
    if (index.column() == Modified)
        return chinese().toString(info.lastModified(), QLocale::ShortFormat);
    return info.isDir() ? QVariant(QString()) : QVariant(sizeText(info.size()));
}

void showFileListInChinese(QFileDialog& dialog)
{
    dialog.setProxyModel(new ChineseFileListModel(&dialog));
}
