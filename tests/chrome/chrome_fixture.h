#pragma once

#include "core/form1.h"
#include "doubles/fake_media_player.h"
#include "doubles/fake_window_frame.h"
#include "platform/no_drive_mci.h"

// The main window's model on plain controls, for the chrome's parts.
struct ChromeFixture {
    FakeMediaPlayer player1;
    FakeMediaPlayer player2;
    PlacedControl picture1;
    ImageControl image1;
    ImageControl image2;
    LabelControl ditiao;
    FakeWindowFrame window;
    NoDriveMci mci;
    Form1 form{Form1Controls{player1, player2, picture1, image1, image2, ditiao, window, mci}};
};
