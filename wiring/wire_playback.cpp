#include "wiring/main_form.h"

#include "playback/player_wait.h"

// Opening entries, the player's events, the status line, the end of a
// medium and the transport commands.
void MainForm::wirePlayback()
{
    liebiao_Click = [this](int Index) { entryOpener_.liebiao_Click(Index); };
    shijian3 = [this] { statusLine_.shijian3(); };
    shijian6 = [this] { endOfMedia_.shijian6(); };
    kongzhi1_Click = [this](int Index) { transport_.kongzhi1_Click(Index); };
    baifenbi_Click = [this](int Index) { transport_.baifenbi_Click(Index); };
    yanshihuoqu = [this](MediaPlayer& player) { PlayerWait::openWait(state, player); };
    playerEvents_.connectPlayers();
    QObject::connect(&Timer3, &QTimer::timeout, &Timer3, [this] { stepRepeat_.tick(); });
}
