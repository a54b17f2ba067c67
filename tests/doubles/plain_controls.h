#pragma once

#include "core/form1.h"
#include "doubles/fake_media_player.h"
#include "doubles/fake_window_frame.h"
#include "platform/no_drive_mci.h"

// The main window's controls as plain objects, for fixtures that build the
// window's model on them. A fixture that needs other players or another
// command device names their types.
template <class Player1 = FakeMediaPlayer, class Player2 = FakeMediaPlayer,
          class CommandDevice = NoDriveMci>
struct PlainControls {
    Player1 player1;
    Player2 player2;
    PlacedControl picture1;
    ImageControl image1;
    ImageControl image2;
    LabelControl ditiao;
    FakeWindowFrame window;
    CommandDevice mci;

    Form1Controls controls() { return {player1, player2, picture1, image1, image2, ditiao, window, mci}; }
};
