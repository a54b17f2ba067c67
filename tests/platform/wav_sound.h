#pragma once

#include <QString>
#include <optional>
#include <vector>

// The sound in a WAV file (16-bit or float samples), as the tests examine it.
struct WavSound {
    int rate = 0;
    std::vector<std::vector<double>> channels; // samples in -1 ... 1

    double seconds() const { return channels.empty() ? 0 : double(channels[0].size()) / rate; }
    // Root mean square level of one channel in dB relative to full scale.
    double levelDb(int channel) const;
};

// Reads the samples up to the end of the file, so a header whose sizes were
// never filled in still reads.
std::optional<WavSound> readWav(const QString& path);
