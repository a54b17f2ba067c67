#pragma once

#include <QByteArray>
#include <QProcess>
#include <gtest/gtest.h>
#include <vector>

// Tests that play: skipped when no sound server answers (the test command
// starts one with a null sink).
class SoundServerTest : public ::testing::Test {
protected:
    void SetUp() override;
};

// What reaches the null sink, recorded from its monitor with parec as
// 44.1 kHz 16-bit stereo.
class SinkRecording {
public:
    bool start();
    // Stops and keeps the left channel's samples.
    std::vector<double> stop();

private:
    QProcess parec_;
};

// A stretch of sound in a recording: where it begins and ends (above a
// quiet threshold), in samples.
struct SoundStretch {
    std::size_t begin = 0;
    std::size_t end = 0;
    double seconds() const { return double(end - begin) / 44100; }
};
SoundStretch soundIn(const std::vector<double>& samples);
// The stretches of sound separated by at least minGapSeconds of silence.
std::vector<SoundStretch> stretchesIn(const std::vector<double>& samples, double minGapSeconds);
// The frequency of a stretch by its rising zero crossings.
double frequencyOf(const std::vector<double>& samples, std::size_t begin, std::size_t end);
