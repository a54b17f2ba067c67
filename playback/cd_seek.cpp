#include "playback/cd_seek.h"

#include "core/form1_state.h"
#include "platform/placed_control.h"
#include "playback/cd_entry.h"
#include "playback/numeric_value.h"

#include <cmath>
#include <limits>

namespace {

const QString kPlaying = QStringLiteral("正在播放");

bool fitsInt32(double v)
{
    return std::isfinite(v) && v >= std::numeric_limits<qint32>::min()
        && v <= std::numeric_limits<qint32>::max();
}

} // namespace

void seekCd(Form1State& state, Mci& mci, const LabelControl& ditiao)
{
    CdEntry::sendMci(mci, QStringLiteral("set cd time format milliseconds"));
    double before = 0;
    for (int i = 1; i < state.cd_track; ++i) {
        const QString command = "status cd length track " + QString::number(i);
        before += numericValue(CdEntry::ask(mci, state.mci_reply, command));
    }
    // The disc position is a 32-bit number; a target beyond it is not sent.
    const double target = std::nearbyint(before + state.position_ms);
    if (fitsInt32(target)) {
        const bool playing = ditiao.caption().left(4) == kPlaying;
        const QString digits = QString::number(qint32(target));
        CdEntry::send(mci, (playing ? "play cd from " : "seek cd to ") + digits);
    }
    CdEntry::sendMci(mci, QStringLiteral("set cd time format tmsf"));
}
