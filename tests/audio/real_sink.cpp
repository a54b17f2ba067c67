#include "real_sink.h"

#include "platform/pulse_system_volume.h"

#include <QProcess>
#include <QRegularExpression>

namespace RealSink {

std::optional<QString> pactl(const QStringList& arguments)
{
    QProcess process;
    process.start("pactl", arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// "Volume: front-left: 6554 /  10% / -60.00 dB,   front-right: ..."
std::optional<int> volume()
{
    const auto text = pactl({"get-sink-volume", "@DEFAULT_SINK@"});
    const auto match = QRegularExpression(R"(:\s*(\d+)\s*/)").match(text.value_or(QString()));
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

std::optional<bool> muted()
{
    const QString text = pactl({"get-sink-mute", "@DEFAULT_SINK@"}).value_or(QString());
    if (text.contains("yes"))
        return true;
    if (text.contains("no"))
        return false;
    return std::nullopt;
}

bool setVolume(int raw)
{
    return pactl({"set-sink-volume", "@DEFAULT_SINK@", QString::number(raw)}).has_value();
}

bool setMuted(bool on)
{
    return pactl({"set-sink-mute", "@DEFAULT_SINK@", on ? "1" : "0"}).has_value();
}

} // namespace RealSink

void RealSinkTest::SetUp()
{
    if (!soundServerAnswers())
        GTEST_SKIP() << "no sound server answers (the test command starts one)";
    volume_ = RealSink::volume();
    muted_ = RealSink::muted();
    if (!volume_ || !muted_)
        GTEST_SKIP() << "pactl cannot read the default sink";
}

void RealSinkTest::TearDown()
{
    if (volume_)
        RealSink::setVolume(*volume_);
    if (muted_)
        RealSink::setMuted(*muted_);
}
