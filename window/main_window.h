#pragma once

#include "wiring/main_form.h"
#include "platform/qt_dialogs.h"
#include "platform/widget_controls.h"
#include "platform/widget_window_frame.h"
#include "pictures/window/picture_view.h"

#include <QWidget>
#include <functional>
#include <memory>

class DesktopTrayIcon;
class FloatingToolbarView;
class ListMenuPopup;
class QtPicturePrinter;
class MediaPlayer;
class MprisService;
class MenuView;
class CdaudioMci;
class SystemVolume;
class WidgetMainWindowControl;

// The main window on screen. It shows what the handlers put into the
// window's model (players, viewer frame, status line, menus), forwards
// input to them.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

    MainForm& form() { return *form_; }

    // Shows the window where the splash is and runs the window's load with
    // the files the program was started with.
    void load(const QStringList& arguments, const QPoint& where);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void createControls();
    void createPlaylistMenus();
    void createImageMenu();
    void createAudioMenu();
    void createFileMenus();
    void createDriveMenus(MenuView* fileMenu);
    void createHelpMenu();
    void placeStatusLine();
    void createLabelBar();
    // The skinned slider panel at the window's right edge.
    void createSliderPanel();
    // The open-file dialog with its preview panel replaces the plain one.
    void createOpenFileDialog();
    // The desktop's media controls, once the window is up.
    void startMediaInterface();
    // The print preview and the system's printer behind it.
    void createPrintPreview();
    // The floating toolbar and the tray icon.
    void createToolbarAndTray();
    // The file-type registration window, a window of its own.
    void createRegistration();
    void removeToolbarAndTray();

    std::unique_ptr<MediaPlayer> player1_;
    std::unique_ptr<MediaPlayer> player2_;
    std::unique_ptr<PictureFrameControl> picture1_;
    std::unique_ptr<PictureViewControl> image1_;
    std::unique_ptr<ImageControl> image2_;
    std::unique_ptr<WidgetLabel> ditiao_;
    std::unique_ptr<CdaudioMci> mci_;
    std::unique_ptr<SystemVolume> systemVolume_;
    WidgetWindowFrame frame_{this};
    std::unique_ptr<MainForm> form_;
    std::unique_ptr<QtDialogs> dialogs_;
    std::unique_ptr<MprisService> mpris_;
    MenuView* shortcutMenu_ = nullptr;
    ListMenuPopup* listMenu_ = nullptr;
    MenuView* sortMenu_ = nullptr;
    MenuView* optionsMenu_ = nullptr;
    MenuView* imageMenu_ = nullptr;
    // What each label of the menu bar pops up, at a point on the screen.
    std::function<void(const QPoint&)> labelMenus_[LabelMenuBar::kLabels];
    std::unique_ptr<QtPicturePrinter> printer_;
    QPointer<QWidget> printPreview_;
    std::unique_ptr<WidgetMainWindowControl> mainWindowControl_;
    std::unique_ptr<FloatingToolbarView> toolbarView_;
    std::unique_ptr<DesktopTrayIcon> trayIcon_;
    std::unique_ptr<QWidget> registration_;
};
