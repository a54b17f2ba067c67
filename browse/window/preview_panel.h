#pragma once

#include "browse/form5.h"
#include "browse/window/widget_check_box.h"
#include "platform/mpv_media_player.h"
#include "platform/widget_controls.h"

#include <QFrame>
#include <array>
#include <memory>

class Form1;

// Frame2, the preview panel the open-file dialog carries: the box with
// its picture, placeholder and player, the two check boxes and the volume
// and progress sliders, driven by Form5.
class PreviewPanel : public QFrame {
    Q_OBJECT
public:
    PreviewPanel(Form1& form, const MpvPlayerOptions& playerOptions, QWidget* parent = nullptr);
    ~PreviewPanel() override;

    Form5& form5() { return *form5_; }
    MpvMediaPlayer& player() { return *player_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createBox(const MpvPlayerOptions& playerOptions);
    void createChecks();
    void createSlider(int index, const QString& caption);
    void connectInput();
    // Pointer moves over this widget darken the knobs.
    void resetsHover(QWidget* widget);

    std::unique_ptr<WidgetImage> image1_;
    std::unique_ptr<WidgetControl> shape1_;
    std::unique_ptr<WidgetLabel> placeholder_;
    std::unique_ptr<MpvMediaPlayer> player_;
    std::array<std::unique_ptr<WidgetCheckBox>, 2> checks_;
    std::array<std::unique_ptr<WidgetImage>, 2> knobs_;
    std::unique_ptr<Form5> form5_;
};
