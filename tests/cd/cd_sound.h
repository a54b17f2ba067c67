#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// A null sink of the test's own, made the default of this process and of
// the programs it starts (PULSE_SINK): other tests' sound and their changes
// of the system volume stay out of what it records.
class PrivateSink {
public:
    PrivateSink();
    ~PrivateSink();
    bool loaded() const { return !module_.isEmpty(); }
    QString name() const { return name_; }
    // Whether a playback stream plays to it now.
    bool hasStream() const;

private:
    QString name_;
    QString module_;
};

// Tests that play: skipped when no sound server answers (the test command
// starts one); they play to a private sink.
class SoundServerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    QString sinkName() const { return sink_ ? sink_->name() : QString(); }
    bool sinkHasStream() const { return sink_ && sink_->hasStream(); }

private:
    std::unique_ptr<PrivateSink> sink_;
};

// What reaches a sink, recorded from its monitor with parec as 44.1 kHz
// 16-bit stereo.
class SinkRecording {
public:
    explicit SinkRecording(const QString& sink) : sink_(sink) {}
    bool start();
    // Stops and keeps the left channel's samples.
    std::vector<double> stop();

private:
    QString sink_;
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
