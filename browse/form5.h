#pragma once

#include "browse/check_box_control.h"

#include <QString>
#include <QTimer>
#include <array>

class Form1;
class MediaPlayer;

// The controls of the preview panel that its handlers drive. The open-file
// dialog supplies widget-backed ones; tests supply plain ones.
struct Form5Controls {
    ImageControl& Image1;             // the fitted picture
    PlacedControl& Shape1;            // outline of the empty box
    LabelControl& placeholder;        // Label2(2), "预览区"
    MediaPlayer& WindowsMediaPlayer1; // plays and shows the previews
    CheckBoxControl& pictureCheck;    // Check2(0), "预览图片"
    CheckBoxControl& mediaCheck;      // Check2(1), "预览音频视频"
    ImageControl& volumeKnob;         // huakuai(0)
    ImageControl& progressKnob;       // huakuai(1)
};

// Form5: the preview panel of the open-file dialog. It lives for one run of
// the dialog, between Form_Load and Form_Unload, and previews each file
// the dialog reports in its box.
class Form5 {
public:
    Form5(Form1& form, const Form5Controls& controls);
    Form5(const Form5&) = delete;
    Form5& operator=(const Form5&) = delete;

    void Form_Load();
    void Form_Unload();

    // The preview refresh for the dialog's selection: a full path, or a
    // text ending in a quotation mark and a blank when several are selected.
    void ccrpFileDialogs1_FileBrowse(const QString& name);
    // Shows the placeholder and outline while the box shows nothing.
    void xianshi_guanbi();
    void Check2_Click(int Index);
    // Every 100 ms: the progress knob follows the preview.
    void Timer1_Timer();

    // Knob i: 0 volume, 1 progress. X in twips within the knob; Button 1 is
    // the left button.
    void huakuai_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void huakuai_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void huakuai_MouseUp(int Index, int Button, int Shift, double X, double Y);
    // Pointer moves over the panel's other controls darken both knobs.
    void hoverReset();
    void WindowsMediaPlayer1_Click(int Button);

    ImageControl& Image1;
    ImageControl Image2; // the loaded picture at its natural size, never seen
    PlacedControl& Shape1;
    LabelControl& placeholder;
    MediaPlayer& WindowsMediaPlayer1;
    std::array<CheckBoxControl*, 2> Check2;
    std::array<ImageControl*, 2> huakuai;
    QTimer Timer1;

private:
    void emptyPreview();
    void showEmptyBox();
    void showPicture();
    void showVideo();
    bool showsVideo() const;
    void showKnobSkin(int Index, bool lit);
    void moveKnob(int Index, double X);
    void applyKnob(int Index);

    Form1& form_;
    std::array<double, 2> knob_grab{};
    std::array<QString, 2> knob_drag;
    std::array<int, 2> knobSkin_{-1, -1}; // which skin each knob shows: 0 dark, 1 lit
};
