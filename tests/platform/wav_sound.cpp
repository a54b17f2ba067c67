#include "platform/wav_sound.h"

#include <QFile>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {

struct Format {
    int tag = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

constexpr int kPcm = 1;
constexpr int kFloat = 3;
constexpr int kExtensible = 0xFFFE;

Format readFormat(const char* chunk, qsizetype size)
{
    Format f;
    if (size < 16)
        return f;
    f.tag = qFromLittleEndian<quint16>(chunk);
    f.channels = qFromLittleEndian<quint16>(chunk + 2);
    f.rate = int(qFromLittleEndian<quint32>(chunk + 4));
    f.bits = qFromLittleEndian<quint16>(chunk + 14);
    if (f.tag == kExtensible && size >= 26)
        f.tag = qFromLittleEndian<quint16>(chunk + 24); // the sub-format's first field
    return f;
}

double sample(const char* at, const Format& f)
{
    if (f.tag == kFloat && f.bits == 32) {
        float value;
        std::memcpy(&value, at, 4);
        return value;
    }
    return qFromLittleEndian<qint16>(at) / 32768.0;
}

} // namespace

double WavSound::levelDb(int channel) const
{
    double sum = 0;
    for (double s : channels[channel])
        sum += s * s;
    const double rms = std::sqrt(sum / std::max<size_t>(1, channels[channel].size()));
    return 20 * std::log10(std::max(rms, 1e-12));
}

std::optional<WavSound> readWav(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    Format format;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const char* body = bytes.constData() + at + 8;
        if (id == "fmt ") {
            format = readFormat(body, size);
        } else if (id == "data") {
            const bool known = (format.tag == kPcm && format.bits == 16)
                || (format.tag == kFloat && format.bits == 32);
            if (!known || format.channels < 1)
                return std::nullopt;
            const int frameBytes = format.channels * format.bits / 8;
            const qsizetype frames = (bytes.size() - (at + 8)) / frameBytes;
            WavSound sound;
            sound.rate = format.rate;
            sound.channels.assign(format.channels, std::vector<double>(size_t(frames)));
            for (qsizetype i = 0; i < frames; ++i)
                for (int c = 0; c < format.channels; ++c)
                    sound.channels[c][i] =
                        sample(body + i * frameBytes + c * format.bits / 8, format);
            return sound;
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}
