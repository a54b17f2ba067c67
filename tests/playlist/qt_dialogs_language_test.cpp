// Qt's file dialogs read wholly in Chinese: labels, buttons, tips, menu
// actions, column headers and the file list's sizes, types and dates.
#include "platform/qt_dialogs.h"
#include "platform/qt_dialogs_language.h"
#include "playlist/media_types.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QUrl>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Latin letters left once the mnemonics ("打开(&O)") are taken out.
bool hasLatin(const QString& text)
{
    QString shown = text;
    shown.remove(QRegularExpression(QStringLiteral("\\(&[A-Za-z]\\)")));
    return shown.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

bool hasHan(const QString& text)
{
    return text.contains(QRegularExpression(QStringLiteral("\\p{Han}")));
}

void waitFor(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The texts a user sees in the dialog, each with where it is from.
QStringList englishTexts(QFileDialog* dialog)
{
    QStringList found;
    const auto check = [&](const QString& where, const QString& text) {
        if (hasLatin(text))
            found << where + QStringLiteral(": ") + text;
    };
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        if (label->isVisible())
            check(QStringLiteral("label"), label->text());
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (!button->isVisible())
            continue;
        check(QStringLiteral("button"), button->text());
        check(QStringLiteral("tip"), button->toolTip());
    }
    for (const QAction* action : dialog->findChildren<QAction*>())
        check(QStringLiteral("action"), action->text());
    // The side bar's places; those named after their folders are file names.
    const QAbstractItemModel* places = dialog->findChild<QListView*>(QStringLiteral("sidebar"))->model();
    for (int row = 0; row < places->rowCount(); ++row) {
        const QModelIndex place = places->index(row, 0);
        const QString folder = QFileInfo(place.data(Qt::UserRole + 1).toUrl().toLocalFile()).fileName();
        if (place.data().toString() != folder)
            check(QStringLiteral("place"), place.data().toString());
    }
    auto* tree = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    const QAbstractItemModel* model = tree->model();
    for (int section = 0; section < model->columnCount(tree->rootIndex()); ++section) {
        if (!tree->header()->isSectionHidden(section))
            check(QStringLiteral("header"), model->headerData(section, Qt::Horizontal).toString());
    }
    return found;
}

struct Listing {
    QStringList english;
    QString folderType, folderSize, fileType, fileSize, fileDate;
};

// Waits for the dialog's list to show the folder's entries and reads it.
Listing readDialog(QFileDialog* dialog, bool withFile)
{
    auto* tree = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    const QAbstractItemModel* model = tree->model();
    const auto row = [&](const QString& name) {
        for (int r = 0; r < model->rowCount(tree->rootIndex()); ++r) {
            if (model->index(r, 0, tree->rootIndex()).data().toString() == name)
                return r;
        }
        return -1;
    };
    waitFor([&] { return row("子文件夹") >= 0 && (!withFile || row("歌.mp3") >= 0); });
    const auto cell = [&](const QString& name, int column) {
        return model->index(row(name), column, tree->rootIndex()).data().toString();
    };
    Listing listing{englishTexts(dialog), cell("子文件夹", 2), cell("子文件夹", 1), {}, {}, {}};
    if (withFile) {
        waitFor([&] { return hasHan(cell("歌.mp3", 2)); });
        listing.fileType = cell("歌.mp3", 2);
        listing.fileSize = cell("歌.mp3", 1);
        listing.fileDate = cell("歌.mp3", 3);
    }
    return listing;
}

// Reads the file dialog into seen once it shows (inside its exec()), then cancels it.
void readWhenShown(Listing& seen, bool withFile)
{
    QTimer::singleShot(10, [&seen, withFile] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) {
                seen = readDialog(dialog, withFile);
                dialog->reject();
                return;
            }
        }
        readWhenShown(seen, withFile);
    });
}

class ChineseFileDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { installChineseTexts(*QCoreApplication::instance()); }

    void SetUp() override
    {
        QDir(dir.path()).mkdir("子文件夹");
        QFile file(QDir(dir.path()).filePath("歌.mp3"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(1500, '\0'));
    }

    QTemporaryDir dir;
    QtDialogs dialogs;
};

void expectChinese(const Listing& seen, bool withFile)
{
    EXPECT_TRUE(seen.english.isEmpty()) << seen.english.join('\n').toStdString();
    EXPECT_EQ(seen.folderType.toStdString(), "文件夹");
    EXPECT_EQ(seen.folderSize.toStdString(), "");
    if (!withFile)
        return;
    EXPECT_TRUE(hasHan(seen.fileType)) << seen.fileType.toStdString();
    EXPECT_EQ(seen.fileSize.toStdString(), "1.46 千字节");
    EXPECT_FALSE(seen.fileDate.isEmpty());
    EXPECT_FALSE(hasLatin(seen.fileDate)) << seen.fileDate.toStdString();
}

TEST_F(ChineseFileDialogs, OpenDialog)
{
    Listing seen;
    readWhenShown(seen, true);
    dialogs.openFiles({"播放媒体文件", MediaTypes::kOpenFilter, 1, dir.path(), {}});
    expectChinese(seen, true);
}

TEST_F(ChineseFileDialogs, SaveDialog)
{
    Listing seen;
    readWhenShown(seen, false);
    dialogs.saveFile({"列表文件 另存为", MediaTypes::kListFilter, 1, dir.path(), "列表"});
    expectChinese(seen, false);
}

TEST_F(ChineseFileDialogs, FolderDialog)
{
    Listing seen;
    readWhenShown(seen, false);
    dialogs.folder("请选择目录", dir.path());
    expectChinese(seen, false);
}

TEST(ChineseFileSizes, CountInPowersOf1024)
{
    const QList<QPair<qint64, QString>> cases = {
        {0, "0 字节"},          {1023, "1023 字节"},          {1024, "1 千字节"},
        {1536, "1.5 千字节"},   {1500, "1.46 千字节"},         {5 << 20, "5 兆字节"},
        {qint64(3) << 30, "3 吉字节"}, {qint64(1) << 40, "1 太字节"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(ChineseFileListModel::sizeText(bytes).toStdString(), text.toStdString()) << bytes;
}

} // namespace
