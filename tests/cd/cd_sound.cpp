#include "cd_sound.h"

#include "platform/pulse_system_volume.h"

#include <QCoreApplication>
#include <cmath>
#include <cstring>

namespace {

constexpr double kQuiet = 0.01;

} // namespace

PrivateSink::PrivateSink() : name_(QString("xy_cd_test_%1").arg(QCoreApplication::applicationPid()))
{
    QProcess pactl;
    pactl.start("pactl", {"load-module", "module-null-sink", "sink_name=" + name_,
                          "rate=44100", "channels=2"});
    if (!pactl.waitForFinished(10000) || pactl.exitCode() != 0)
        return;
    module_ = QString::fromLatin1(pactl.readAllStandardOutput()).trimmed();
    qputenv("PULSE_SINK", name_.toLatin1());
}

PrivateSink::~PrivateSink()
{
    qunsetenv("PULSE_SINK");
    if (loaded())
        QProcess::execute("pactl", {"unload-module", module_});
}

namespace {

QString pactlOutput(const QStringList& arguments)
{
    QProcess pactl;
    pactl.start("pactl", arguments);
    pactl.waitForFinished(10000);
    return QString::fromUtf8(pactl.readAllStandardOutput());
}

} // namespace

// "index<TAB>name<TAB>..." for sinks, "index<TAB>sink index<TAB>..." for inputs.
bool PrivateSink::hasStream() const
{
    QString index;
    for (const QString& line : pactlOutput({"list", "sinks", "short"}).split('\n')) {
        if (line.section('\t', 1, 1) == name_)
            index = line.section('\t', 0, 0);
    }
    for (const QString& line : pactlOutput({"list", "sink-inputs", "short"}).split('\n')) {
        if (!index.isEmpty() && line.section('\t', 1, 1) == index)
            return true;
    }
    return false;
}

void SoundServerTest::SetUp()
{
    if (!soundServerAnswers())
        GTEST_SKIP() << "no sound server answers (the test command starts one)";
    sink_ = std::make_unique<PrivateSink>();
    ASSERT_TRUE(sink_->loaded()) << "pactl could not make a null sink";
}

void SoundServerTest::TearDown()
{
    sink_.reset();
}

bool SinkRecording::start()
{
    parec_.start("parec", {"-d", sink_ + ".monitor", "--raw", "--format=s16le", "--rate=44100",
                           "--channels=2", "--latency-msec=20"});
    if (!parec_.waitForStarted(5000))
        return false;
    // The first bytes show that the monitor is being recorded.
    return parec_.waitForReadyRead(5000);
}

std::vector<double> SinkRecording::stop()
{
    parec_.terminate();
    parec_.waitForFinished(5000);
    const QByteArray raw = parec_.readAllStandardOutput();
    std::vector<double> left;
    left.reserve(std::size_t(raw.size() / 4));
    for (qsizetype i = 0; i + 3 < raw.size(); i += 4) {
        qint16 sample;
        std::memcpy(&sample, raw.constData() + i, 2);
        left.push_back(sample / 32768.0);
    }
    return left;
}

SoundStretch soundIn(const std::vector<double>& samples)
{
    SoundStretch s;
    std::size_t i = 0;
    while (i < samples.size() && std::abs(samples[i]) < kQuiet)
        ++i;
    s.begin = i;
    std::size_t j = samples.size();
    while (j > i && std::abs(samples[j - 1]) < kQuiet)
        --j;
    s.end = j;
    return s;
}

std::vector<SoundStretch> stretchesIn(const std::vector<double>& samples, double minGapSeconds)
{
    const std::size_t gap = std::size_t(minGapSeconds * 44100);
    std::vector<SoundStretch> found;
    std::size_t quietSince = 0;
    bool inSound = false;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (std::abs(samples[i]) >= kQuiet) {
            if (!inSound && (found.empty() || i - found.back().end >= gap))
                found.push_back({i, i + 1});
            inSound = true;
            found.back().end = i + 1;
            quietSince = i + 1;
        } else if (i - quietSince > 64) {
            inSound = false; // a sine's own crossings are shorter
        }
    }
    return found;
}

double frequencyOf(const std::vector<double>& samples, std::size_t begin, std::size_t end)
{
    int crossings = 0;
    for (std::size_t i = begin + 1; i < end && i < samples.size(); ++i) {
        if (samples[i - 1] < 0 && samples[i] >= 0)
            ++crossings;
    }
    return end > begin ? crossings * 44100.0 / double(end - begin) : 0;
}
