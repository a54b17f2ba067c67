// The Qt dialogs: filters, and each dialog answered as a user would.
#include "platform/qt_dialogs.h"
#include "playlist/media_types.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs act on the dialog of type T once it shows (inside its exec()).
template <class T>
void whenShown(std::function<void(T*)> act)
{
    QTimer::singleShot(0, [act] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<T*>(w); dialog && dialog->isVisible()) {
                act(dialog);
                return;
            }
        }
        whenShown<T>(act);
    });
}

TEST(QtNameFilters, KeepDescriptionAndMatchAnyCase)
{
    EXPECT_EQ(toQtNameFilters(MediaTypes::kListFilter), QStringList{"列表文件(*.qmx) (*.[qQ][mM][xX])"});
    const QStringList open = toQtNameFilters(MediaTypes::kOpenFilter);
    ASSERT_EQ(open.size(), 7);
    EXPECT_TRUE(open.at(0).startsWith("所有媒体文件 (*.[dD][aA][tT] "));
    EXPECT_EQ(open.at(2), "音频文件(*.wav;*.mp3;*.mid) (*.[wW][aA][vV] *.[mM][pP]3 *.[mM][iI][dD])");
    EXPECT_EQ(open.at(6), "所有文件(*.*) (*)");
}

TEST(QtDialogsSave, OpensWithRequestAndReturnsChosenName)
{
    QTemporaryDir dir;
    QtDialogs dialogs;
    Dialogs::FileRequest request{"列表文件 另存为", MediaTypes::kListFilter, 1, dir.path(), "列表 音乐"};
    QString title, folder, proposed;
    whenShown<QFileDialog>([&](QFileDialog* d) {
        title = d->windowTitle();
        folder = d->directory().absolutePath();
        proposed = d->selectedFiles().value(0);
        static_cast<QDialog*>(d)->accept();
    });
    const QString chosen = dialogs.saveFile(request);
    EXPECT_EQ(title, "列表文件 另存为");
    EXPECT_EQ(folder, QDir(dir.path()).absolutePath());
    EXPECT_EQ(proposed, QDir(dir.path()).filePath("列表 音乐"));
    EXPECT_EQ(chosen, proposed);
}

TEST(QtDialogsSave, CancelGivesNothing)
{
    QtDialogs dialogs;
    whenShown<QFileDialog>([](QFileDialog* d) { d->reject(); });
    EXPECT_EQ(dialogs.saveFile({"t", MediaTypes::kListFilter, 1, {}, "x"}), "");
}

TEST(QtDialogsInput, OffersDefaultAndReturnsAnswerOrEmpty)
{
    QtDialogs dialogs;
    QString prompt, title, offered;
    whenShown<QInputDialog>([&](QInputDialog* d) {
        prompt = d->labelText();
        title = d->windowTitle();
        offered = d->textValue();
        d->setTextValue("*.mp3");
        d->accept();
    });
    EXPECT_EQ(dialogs.inputBox("请输入", "播放目录--自定义后缀", "*."), "*.mp3");
    EXPECT_EQ(prompt, "请输入");
    EXPECT_EQ(title, "播放目录--自定义后缀");
    EXPECT_EQ(offered, "*.");

    whenShown<QInputDialog>([](QInputDialog* d) { d->reject(); });
    EXPECT_EQ(dialogs.inputBox("请输入", "t", "*.mp3"), "");
}

TEST(QtDialogsQuestion, YesAndNo)
{
    QtDialogs dialogs;
    whenShown<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    EXPECT_TRUE(dialogs.question("替换吗?", "t"));
    whenShown<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
    EXPECT_FALSE(dialogs.question("替换吗?", "t"));
}

} // namespace
