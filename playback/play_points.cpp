// Control ▸ 选择播放点(&Z): seeks to a tenth of the length, or to a
// percentage the user types.
#include "core/form1_state.h"
#include "platform/dialogs.h"
#include "playback/numeric_value.h"
#include "playback/transport.h"

namespace {

constexpr int kCustom = 10;
const QString kPrompt = QStringLiteral("\r   请选择播放点(1-100)%:");

} // namespace

void Transport::baifenbi_Click(int Index)
{
    double percent = 0;
    if (Index >= 0 && Index < kCustom)
        percent = Index * 10;
    else if (Index != kCustom || !askPlayPoint(percent))
        return;
    Form1State& s = parts_.state;
    s.position_ms = s.length_ms * percent / 100;
    parts_.rengong_kongzhi(2);
}

// Asks until the answer is 1 to 100; an empty answer (or cancel) gives up.
bool Transport::askPlayPoint(double& percent)
{
    if (!parts_.dialogs)
        return false;
    do {
        const QString answer = parts_.dialogs->inputBox(kPrompt, QString(), QString());
        if (answer.isEmpty())
            return false;
        percent = numericValue(answer);
    } while (percent < 1 || percent > 100);
    return true;
}
