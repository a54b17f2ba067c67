#pragma once

#include "platform/cd/cd_time.h"

#include <QString>
#include <optional>

// One command string of the CD device's vocabulary, taken apart. Words are
// matched without regard to case and may be separated by any blanks; "wait"
// may end any command but a play.
struct MciCommand {
    enum class Verb {
        Open,           // open <drive> type cdaudio alias cd [wait] [shareable]
        SetTimeFormat,  // set cd time format tmsf | milliseconds
        SetDoor,        // set cd door open | closed
        StatusTracks,   // status cd number of tracks
        StatusPosition, // status cd position
        StatusLength,   // status cd length track <n>
        StatusMode,     // status cd mode
        Play,           // play cd
        PlayFrom,       // play cd from <position>
        Seek,           // seek cd to <position>
        Pause,          // pause cd
        Stop,           // stop cd
        Close,          // close cd
    };

    Verb verb = Verb::Close;
    // The drive of an open; the track or position of the others, as written.
    QString argument;
    CdTime::Format format = CdTime::Format::Tmsf;
    bool doorOpen = false;
};

// The command, or none when it is not of the vocabulary.
std::optional<MciCommand> parseMciCommand(const QString& text);
