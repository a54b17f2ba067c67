#pragma once

#include <QString>
#include <QTemporaryDir>
#include <vector>

// Disc images made for the tests: BIN/CUE sheets of sox tones, with the
// disc's and the tracks' titles and performers as CD-Text.
struct ToneTrack {
    int sectors; // 75 a second
    int hz;
};

class CdImages {
public:
    CdImages();

    // The three-track audio disc most tests play: 241, 197 and 302 sectors
    // (3.21 s, 2.63 s, 4.03 s) at 440, 660 and 880 Hz.
    static const std::vector<ToneTrack>& threeTones();
    // An audio disc of these tones in one BIN; its cue's path, empty when
    // sox failed.
    QString audioDisc(const QString& name, const std::vector<ToneTrack>& tones);
    // A data disc: one MODE1 track of a small ISO file system.
    QString dataDisc(const QString& name);
    // A mixed-mode disc: a data track, then an audio track of 2 s (150
    // sectors) at 500 Hz, each in a file of its own.
    QString mixedDisc(const QString& name);
    // A cue sheet of this text, its bin absent unless written beside it.
    QString cueSheet(const QString& name, const QByteArray& text);
    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};
