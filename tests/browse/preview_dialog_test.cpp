// The real open-file dialog with its preview panel, on the offscreen
// platform, with the libmpv preview player on made media.
#include "browse/window/file_browse_events.h"
#include "browse/window/preview_dialogs.h"
#include "browse/window/preview_panel.h"
#include "core/form1_fixture.h"
#include "platform/player_waits.h"
#include "platform/test_media.h"
#include "playback/player_wait.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QFileSystemModel>
#include <QImage>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The main window with its real open wait.
class WaitingForm : public RecordingForm {
public:
    explicit WaitingForm(const Form1Controls& controls) : RecordingForm(controls)
    {
        yanshihuoqu = [this](MediaPlayer& player) { PlayerWait::openWait(state, player); };
    }
};

struct DialogFixture : PlainControls<> {
    DialogFixture()
    {
        form.programDir = SHIPPED_DATA_DIR;
        form.state.form5_yunantupian = "1";
        form.state.form5_yunanyinshipin = "1";
    }

    QString picture(const QString& name, QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        image.save(dir.filePath(name));
        return dir.filePath(name);
    }

    // Opens the dialog in dir and runs steps while it shows; the steps
    // close it. Returns what the dialog returned.
    QStringList open(const std::function<void(QFileDialog&, PreviewPanel&)>& steps)
    {
        QTimer::singleShot(0, [&] {
            QFileDialog* dialog = shownDialog();
            if (!dialog)
                return;
            auto* panel = dialog->findChild<PreviewPanel*>();
            openPanel = panel;
            title = dialog->windowTitle();
            nameFilter = dialog->selectedNameFilter();
            folder = dialog->directory().absolutePath();
            if (panel)
                steps(*dialog, *panel);
            if (dialog->isVisible())
                dialog->reject();
        });
        Dialogs::FileRequest request{QStringLiteral("播放媒体文件"), kFilter, 1, dir.path(), {}};
        return dialogs.openFiles(request);
    }

    static QFileDialog* shownDialog()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible())
                return dialog;
        }
        return nullptr;
    }

    // Presses the dialog's "打开(&O)" button.
    static void pressOpen(QFileDialog& dialog)
    {
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        buttons->button(QDialogButtonBox::Open)->click();
    }

    // Selects the files in the dialog's view, as a user's clicks do.
    static void select(QFileDialog& dialog, const QStringList& paths)
    {
        auto* view = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
        // The view shows the files through the dialog's proxy model.
        QAbstractProxyModel* proxy = dialog.proxyModel();
        auto* model = qobject_cast<QFileSystemModel*>(proxy->sourceModel());
        view->selectionModel()->clearSelection();
        for (const QString& path : paths)
            view->selectionModel()->select(proxy->mapFromSource(model->index(path)),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    static inline const QString kFilter =
        QStringLiteral("媒体文件(*.mp4;*.wav;*.png)|*.mp4;*.wav;*.png|所有文件(*.*)|*.*");

    QTemporaryDir dir;
    WaitingForm form{controls()};
    PreviewDialogs dialogs{nullptr, form, {MpvPlayerOptions::Video::Auto, {"ao=null"}}};
    QPointer<PreviewPanel> openPanel;
    QString title;
    QString nameFilter;
    QString folder;
};

TEST(FileBrowseText, NamesTheSelection)
{
    EXPECT_EQ(fileBrowseText({}), QString());
    EXPECT_EQ(fileBrowseText({"/m/a b.jpg"}), QStringLiteral("/m/a b.jpg"));
    EXPECT_EQ(fileBrowseText({"/m/a b.jpg", "/m/歌.mp3"}), QStringLiteral("\"a b.jpg\" \"歌.mp3\" "));
}

TEST(PreviewDialog, PreviewsTheSelectedPictureAndReturnsIt)
{
    DialogFixture f;
    const QString path = f.picture("p.png", {400, 300});
    f.picture("q.png", {100, 80});
    TwipsRect shown;
    bool placeholderShown = true;
    const QStringList files = f.open([&](QFileDialog& dialog, PreviewPanel& panel) {
        dialog.selectFile(path);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return !panel.form5().Image1.picture().isNull(); }, 5000));
        shown = panel.form5().Image1.place();
        placeholderShown = panel.form5().placeholder.isVisible();
        DialogFixture::pressOpen(dialog);
    });

    EXPECT_EQ(f.title, QStringLiteral("播放媒体文件"));
    EXPECT_TRUE(f.nameFilter.startsWith(QStringLiteral("媒体文件"))) << f.nameFilter.toStdString();
    EXPECT_EQ(f.folder, f.dir.path());
    EXPECT_EQ(shown, (TwipsRect{317.5, 180, 2500, 1875}));
    EXPECT_FALSE(placeholderShown);
    EXPECT_EQ(files, QStringList{path});
    EXPECT_EQ(f.form.state.ccrpFileDialogs1_mingcheng, path);
    EXPECT_TRUE(f.openPanel.isNull()); // the panel went with the dialog
}

TEST(PreviewDialog, SeveralFilesShowTheEmptyBoxAndReturnInOrder)
{
    DialogFixture f;
    const QString p = f.picture("p.png", {400, 300});
    const QString q = f.picture("q.png", {100, 80});
    bool emptyBox = false;
    const QStringList files = f.open([&](QFileDialog& dialog, PreviewPanel& panel) {
        DialogFixture::select(dialog, {p});
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return !panel.form5().Image1.picture().isNull(); }, 5000));
        DialogFixture::select(dialog, {p, q});
        emptyBox = panel.form5().Image1.picture().isNull() && panel.form5().placeholder.isVisible();
        DialogFixture::pressOpen(dialog);
    });
    EXPECT_TRUE(emptyBox);
    EXPECT_EQ(f.form.state.ccrpFileDialogs1_mingcheng, QString());
    EXPECT_EQ(files, QStringList({p, q}));
}

TEST(PreviewDialog, PlaysAVideoInTheBoxAndStopsItWhenCancelled)
{
    DialogFixture f;
    const QString video = testMedia().video("v.mp4", 3);
    QFile::copy(video, f.dir.filePath("v.mp4"));
    std::vector<int> states;
    TwipsRect shown;
    bool videoShown = false;
    const QStringList files = f.open([&](QFileDialog& dialog, PreviewPanel& panel) {
        QObject::connect(&panel.player(), &MediaPlayer::StatusChange, &f.form.Timer1,
                         [&] { states.push_back(panel.player().playState()); });
        dialog.selectFile(f.dir.filePath("v.mp4"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return panel.player().isVisible(); }, 8000));
        shown = panel.player().place();
        videoShown = panel.player().videoWidget()->isVisible() &&
                     panel.player().playState() == MediaPlayer::Playing;
        // The progress knob follows the playing video.
        EXPECT_TRUE(QTest::qWaitFor([&] { return panel.form5().huakuai[1]->left() > 840; }, 8000));
        panel.findChildren<QCheckBox*>().at(0)->click(); // picture preview off
        dialog.reject();
    });
    EXPECT_TRUE(files.isEmpty());
    EXPECT_EQ(shown, (TwipsRect{317.5, 180, 2500, 1875}));
    EXPECT_TRUE(videoShown);
    ASSERT_FALSE(states.empty());
    EXPECT_EQ(states.back(), MediaPlayer::Undefined); // emptied at unload
    EXPECT_EQ(f.form.state.form5_yunantupian, "0");
    EXPECT_EQ(f.form.state.form5_yunanyinshipin, "1");
}

TEST(PreviewDialog, PlaysASoundBehindThePlaceholder)
{
    DialogFixture f;
    QFile::copy(testMedia().tone("t.wav", 3), f.dir.filePath("t.wav"));
    bool placeholder = false;
    int state = 0;
    f.open([&](QFileDialog& dialog, PreviewPanel& panel) {
        dialog.selectFile(f.dir.filePath("t.wav"));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return panel.player().playState() == MediaPlayer::Playing; }, 8000));
        state = panel.player().playState();
        placeholder = panel.form5().placeholder.isVisible() && !panel.player().isVisible();
        dialog.reject();
    });
    EXPECT_EQ(state, MediaPlayer::Playing);
    EXPECT_TRUE(placeholder);
}

} // namespace
