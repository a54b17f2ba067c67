#pragma once

#include <QStringList>
#include <gtest/gtest.h>
#include <optional>

// The sound server's default sink as pactl sees it, independent of the
// program's own way in.
namespace RealSink {

// Runs pactl with the arguments; its output, or empty when it failed.
std::optional<QString> pactl(const QStringList& arguments);
// The first channel's raw volume (65536 = 100 %) and the mute switch.
std::optional<int> volume();
std::optional<bool> muted();
bool setVolume(int raw);
bool setMuted(bool on);

} // namespace RealSink

// Tests against the real server: skipped when none answers (the test
// command starts one with a null sink). The default sink's volume and mute
// are put back afterwards.
class RealSinkTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    std::optional<int> volume_;
    std::optional<bool> muted_;
};
