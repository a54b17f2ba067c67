// Command strings of any bytes for the CD device, on a table of contents
// of any shape that a disc can have (tracks in order, audio and data, any
// lengths, a second session anywhere). Parsing never crashes; a position a
// command names lies in the audio; every audio sector's position text, in
// either format, names that same sector again.
#include "platform/cd/cd_time.h"
#include "platform/cd/mci_command.h"
#include "fuzz_support.h"

namespace {

struct Input {
    const uint8_t* data;
    size_t size;
    uint32_t next(int bytes)
    {
        uint32_t v = 0;
        for (int i = 0; i < bytes && size > 0; ++i, --size)
            v = v << 8 | *data++;
        return v;
    }
};

CdToc tocOf(Input& in)
{
    CdToc toc;
    const int count = int(in.next(1) % 100);
    qint32 lsn = qint32(in.next(1));
    for (int n = 1; n <= count; ++n) {
        const uint32_t shape = in.next(3);
        CdTrack track;
        track.number = n;
        track.lsn = lsn;
        track.sectors = qint32(1 + (shape >> 1) % 400000);
        track.audio = (shape & 1) == 0;
        toc.tracks.push_back(track);
        lsn = track.end() + qint32(in.next(1));
    }
    if (in.next(1) % 4 == 0)
        toc.endAudioBeforeDataSession(qint32(in.next(3)));
    return toc;
}

void checkRoundTrip(const CdToc& toc, qint32 lsn)
{
    for (CdTime::Format format : {CdTime::Format::Tmsf, CdTime::Format::Milliseconds}) {
        const QString text = CdTime::positionText(toc, format, lsn);
        const std::optional<qint32> back = CdTime::positionOf(toc, format, text);
        check(back.has_value());
        check(*back == lsn);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input in{data, size};
    const CdToc toc = tocOf(in);
    for (const CdTrack& track : toc.tracks)
        check(track.sectors >= 0);
    if (toc.audioCount() > 0) {
        const qint32 start = toc.audioStart();
        const qint32 span = toc.audioEnd() - start;
        const qint32 lsn = start + qint32(in.next(3) % uint32_t(span > 0 ? span : 1));
        if (toc.isAudio(lsn))
            checkRoundTrip(toc, lsn);
    }

    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(in.data), qsizetype(in.size));
    const std::optional<MciCommand> command = parseMciCommand(text);
    if (!command)
        return 0;
    using Verb = MciCommand::Verb;
    if (command->verb == Verb::Seek || command->verb == Verb::PlayFrom) {
        for (CdTime::Format format : {CdTime::Format::Tmsf, CdTime::Format::Milliseconds}) {
            const std::optional<qint32> at = CdTime::positionOf(toc, format, command->argument);
            if (at)
                check(*at >= toc.audioStart() && *at <= toc.audioEnd());
        }
    }
    if (command->verb == Verb::StatusLength) {
        CdTime::trackLengthText(toc, CdTime::Format::Tmsf, command->argument);
        CdTime::trackLengthText(toc, CdTime::Format::Milliseconds, command->argument);
    }
    return 0;
}
