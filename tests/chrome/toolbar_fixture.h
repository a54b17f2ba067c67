#pragma once

#include "chrome/floating_toolbar.h"
#include "chrome/toolbar_design.h"
#include "chrome/toolbar_strip.h"
#include "doubles/plain_controls.h"

#include <QDir>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

// The toolbar's window as a desktop without a window manager keeps it:
// where it is told, with a pointer the test moves.
struct FakeToolbarWindow : ToolbarWindow {
    QRect windowRect() const override { return rect; }
    void moveWindow(const QRect& r) override { rect = r; }
    void placeTopmost(const QRect& r) override
    {
        rect = r;
        topmostCalls << r;
    }
    QPoint cursorPos() const override { return pointer; }
    QRect screenRect() const override { return screen; }
    bool isVisible() const override { return visible; }
    void setVisible(bool v) override { visible = v; }
    void takeFocus() override { ++focusCalls; }

    QRect rect{0, 0, 280, 83};
    QPoint pointer{600, 500};
    QRect screen{0, 0, 1280, 1024};
    bool visible = false;
    int focusCalls = 0;
    QList<QRect> topmostCalls;
};

struct FakeMainWindowControl : MainWindowControl {
    explicit FakeMainWindowControl(FakeWindowFrame& frame) : frame_(frame) {}
    void setWindowState(WindowFrame::State state) override
    {
        frame_.state = state;
        states << state;
    }
    void showWithFocus() override { ++shows; }

    QList<int> states;
    int shows = 0;

private:
    FakeWindowFrame& frame_;
};

// Strip pictures of one plain colour each, at the strip's natural size
// (277 x 30 pixels at 96 dpi), so a look shows as the colour of a block.
inline QColor stripColour(StripLook look, bool restoreSet)
{
    switch (look) {
    case StripLook::Pressed: return restoreSet ? QColor(128, 0, 0) : QColor(255, 0, 0);
    case StripLook::Hover: return restoreSet ? QColor(0, 128, 0) : QColor(0, 255, 0);
    case StripLook::Normal: break;
    }
    return restoreSet ? QColor(0, 0, 128) : QColor(0, 0, 255);
}

// The main window's model with the toolbar on a fake window, over a
// program folder with the six strip pictures; the commands it runs are
// recorded.
struct ToolbarFixture : PlainControls<> {
    ToolbarFixture()
    {
        form.programDir = dir.path();
        writeStripPictures(dir.path());
        form.kongzhi1_Click = [this](int i) { commands << QStringLiteral("kongzhi1:%1").arg(i); };
        form.kuaijiecaidan1_Click = [this](int i) {
            commands << QStringLiteral("kuaijiecaidan1:%1").arg(i);
        };
        toolbar.window = &desktop;
        toolbar.mainWindow = &mainWindow;
    }

    static void writeStripPictures(const QString& folder)
    {
        QDir(folder).mkpath(QStringLiteral("tubiao"));
        for (StripLook look : {StripLook::Normal, StripLook::Pressed, StripLook::Hover}) {
            for (bool restore : {false, true}) {
                QImage picture(277, 30, QImage::Format_RGB32);
                picture.fill(stripColour(look, restore));
                picture.save(folder + QLatin1Char('/') + stripPictureName(look, restore), "PNG");
            }
        }
    }

    // The colour of the strip in the middle of button i.
    QColor buttonColour(int i) const
    {
        const QImage& strip = toolbar.strip.surface();
        const QPointF centre = ToolbarDesign::hotSpot(i).toPixels().center();
        return strip.pixelColor((centre * strip.devicePixelRatio()).toPoint());
    }

    // Runs Timer1 with the pointer at a screen position.
    void tickAt(QPoint pointer)
    {
        desktop.pointer = pointer;
        toolbar.Timer1_Timer();
    }

    QTemporaryDir dir;
    Form1 form{controls()};
    FakeToolbarWindow desktop;
    FakeMainWindowControl mainWindow{window};
    Form4 toolbar{{.window = form.window,
                   .xuanxiang1 = form.xuanxiang1,
                   .programPath = [this](const QString& relative) { return form.programPath(relative); },
                   .kongzhi1_Click = form.kongzhi1_Click,
                   .kuaijiecaidan1_Click = form.kuaijiecaidan1_Click}};
    QStringList commands;
};
