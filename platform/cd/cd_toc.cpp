#include "platform/cd/cd_toc.h"

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
