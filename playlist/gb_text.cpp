#include "playlist/gb_text.h"

#include "core/replace_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr qint64 kChunkBytes = 64 * 1024;

// Cuts decoded text into lines; a CR LF pair may be split between chunks.
class LineSplitter {
public:
    LineSplitter(int maxLines, GbText::EmptyLines empty) : maxLines_(maxLines), empty_(empty) {}

    bool full() const { return lines_.size() >= maxLines_; }

    void feed(QStringView text)
    {
        qsizetype start = 0;
        if (skipLf_ && !text.isEmpty()) {
            skipLf_ = false;
            if (text.front() == QLatin1Char('\n'))
                start = 1;
        }
        for (qsizetype i = start; i < text.size() && !full(); ++i) {
            const QChar c = text[i];
            if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
                continue;
            partial_ += text.mid(start, i - start);
            endLine();
            if (c == QLatin1Char('\r')) {
                if (i + 1 == text.size())
                    skipLf_ = true;
                else if (text[i + 1] == QLatin1Char('\n'))
                    ++i;
            }
            start = i + 1;
        }
        if (!full() && start < text.size())
            partial_ += text.mid(start);
    }

    QStringList finish()
    {
        if (!partial_.isEmpty() && !full())
            endLine();
        return lines_;
    }

private:
    void endLine()
    {
        if (!(partial_.isEmpty() && empty_ == GbText::EmptyLines::Skip))
            lines_ << partial_;
        partial_.clear();
    }

    int maxLines_;
    GbText::EmptyLines empty_;
    QStringList lines_;
    QString partial_;
    bool skipLf_ = false;
};

} // namespace

namespace GbText {

QStringList readLines(QIODevice& device, int maxLines, EmptyLines empty)
{
    QStringDecoder decoder("GB18030");
    LineSplitter splitter(maxLines, empty);
    QByteArray chunk;
    qint64 total = 0;
    while (!splitter.full() && total < kMaxBytes) {
        chunk = device.read(qMin(kChunkBytes, kMaxBytes - total));
        if (chunk.isEmpty())
            break;
        total += chunk.size();
        const QString text = decoder.decode(chunk);
        splitter.feed(text);
    }
    return splitter.finish();
}

QStringList readFileLines(const QString& path, int maxLines, EmptyLines empty)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readLines(file, maxLines, empty);
}

bool writeFile(const QString& path, const QStringList& lines)
{
    const QString crLf = QStringLiteral("\r\n");
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += crLf;
    }
    QStringEncoder encoder("GB18030");
    return replaceFile(path, encoder.encode(text));
}

} // namespace GbText
