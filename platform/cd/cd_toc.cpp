#include "platform/cd/cd_toc.h"

namespace {

// The first session's lead-out (6750 sectors), the second's lead-in (4500)
// and the data track's pregap (150).
constexpr qint32 kSessionGap = 11400;

} // namespace

int CdToc::audioCount() const
{
    int n = 0;
    for (const CdTrack& t : tracks)
        n += t.audio ? 1 : 0;
    return n;
}

const CdTrack* CdToc::audioTrack(int number) const
{
    for (const CdTrack& t : tracks) {
        if (t.audio && t.number == number)
            return &t;
    }
    return nullptr;
}

qint32 CdToc::audioStart() const
{
    for (const CdTrack& t : tracks) {
        if (t.audio)
            return t.lsn;
    }
    return 0;
}

qint32 CdToc::audioEnd() const
{
    for (auto t = tracks.rbegin(); t != tracks.rend(); ++t) {
        if (t->audio)
            return t->end();
    }
    return 0;
}

const CdTrack* CdToc::trackAt(qint32 lsn) const
{
    const CdTrack* last = nullptr;
    for (const CdTrack& t : tracks) {
        if (!t.audio)
            continue;
        if (lsn >= t.lsn && lsn < t.end())
            return &t;
        last = &t;
    }
    return last && lsn == last->end() ? last : nullptr;
}

bool CdToc::isAudio(qint32 lsn) const
{
    const CdTrack* t = trackAt(lsn);
    return t && lsn < t->end();
}

void CdToc::endAudioBeforeDataSession(qint32 lastSession)
{
    if (lastSession <= 0)
        return;
    for (std::size_t i = 0; i + 1 < tracks.size(); ++i) {
        CdTrack& t = tracks[i];
        const CdTrack& next = tracks[i + 1];
        if (t.audio && !next.audio && next.lsn >= lastSession && t.sectors > kSessionGap)
            t.sectors -= kSessionGap;
    }
}
