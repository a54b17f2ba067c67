#pragma once

#include <QtGlobal>
#include <vector>

// One track of a disc's table of contents, in sectors from the first
// sector after the lead-in (LSN, 75 sectors a second).
struct CdTrack {
    int number = 0;
    qint32 lsn = 0;
    qint32 sectors = 0;
    bool audio = true;

    qint32 end() const { return lsn + sectors; }
};

// The table of contents as the device shows it: the audio tracks that a
// player can play, data tracks kept only so that numbers stay the disc's.
struct CdToc {
    std::vector<CdTrack> tracks;

    int audioCount() const;
    // The audio track with this number, or none.
    const CdTrack* audioTrack(int number) const;
    // Where the audio of the disc begins and ends.
    qint32 audioStart() const;
    qint32 audioEnd() const;
    // The audio track holding the sector; its end counts as the last
    // track's (a disc played to its end stays on its last track).
    const CdTrack* trackAt(qint32 lsn) const;
    bool isAudio(qint32 lsn) const;

    // An Enhanced CD's audio session ends before the gap that leads to its
    // data session (which begins at lastSession): the last audio track
    // before a data track there is shortened by the gap.
    void endAudioBeforeDataSession(qint32 lastSession);
};
