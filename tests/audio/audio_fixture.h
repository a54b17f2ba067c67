#pragma once

#include "wiring/main_form.h"
#include "doubles/fake_media_player.h"
#include "doubles/plain_controls.h"
#include "doubles/fake_system_volume.h"
#include "doubles/fake_window_frame.h"
#include "doubles/scripted_mci.h"

#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// The hub on plain controls. The two refreshes run for real and are
// recorded, with whether the dispatcher was on when each ran.
class AudioForm : public MainForm {
public:
    explicit AudioForm(const Form1Controls& controls) : MainForm(controls)
    {
        shijian2 = [this, run = shijian2.implementation()] {
            refreshes << (Timer1.isActive() ? "shijian2" : "shijian2 (Timer1 off)");
            run();
        };
        shijian3 = [this, run = shijian3.implementation()] {
            refreshes << (Timer1.isActive() ? "shijian3" : "shijian3 (Timer1 off)");
            run();
        };
    }

    QStringList refreshes;
};

struct AudioFixture : PlainControls<FakeMediaPlayer, FakeMediaPlayer, ScriptedMci> {
    AudioFixture();

    // The slider panel as laid out in a client area of height 8400 with
    // top_offset 500: the vertical tracks run from 1480 to 6970.
    static constexpr double kTrackTop = 1480;
    static constexpr double kTrackBottom = 6970;

    // Chooses a back-end by its name, as start-up does.
    void useEndpoint();
    void useMixer();
    // Writes the toggles' two pictures into the program's skin folder.
    void makeTogglePictures() const;

    QTemporaryDir dir;
    FakeSystemVolume system;
    AudioForm form{controls()};
};

// The colour of the two toggle pictures the fixture writes.
inline constexpr QRgb kSelectedColour = 0xff00ff00;
inline constexpr QRgb kUnselectedColour = 0xffff0000;
