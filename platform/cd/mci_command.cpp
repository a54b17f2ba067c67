#include "platform/cd/mci_command.h"

#include <QRegularExpression>
#include <array>

namespace {

using Verb = MciCommand::Verb;

struct Form {
    Verb verb;
    QRegularExpression pattern;
    bool takesValue = false; // the first group is a track or position
};

QRegularExpression words(const char* pattern)
{
    return QRegularExpression(QString::fromLatin1(pattern), QRegularExpression::CaseInsensitiveOption);
}

// Every form but open, which names its drive. A play never waits: it would
// hold the window until the end of the disc.
const std::array<Form, 11>& forms()
{
    static const std::array<Form, 11> all = {{
        {Verb::SetTimeFormat, words(R"(^\s*set\s+cd\s+time\s+format\s+(tmsf|milliseconds|ms)(\s+wait)?\s*$)")},
        {Verb::SetDoor, words(R"(^\s*set\s+cd\s+door\s+(open|closed)(\s+wait)?\s*$)")},
        {Verb::StatusTracks, words(R"(^\s*status\s+cd\s+number\s+of\s+tracks(\s+wait)?\s*$)")},
        {Verb::StatusPosition, words(R"(^\s*status\s+cd\s+position(\s+wait)?\s*$)")},
        {Verb::StatusLength, words(R"(^\s*status\s+cd\s+length\s+track\s+(\S+)(\s+wait)?\s*$)"), true},
        {Verb::StatusMode, words(R"(^\s*status\s+cd\s+mode(\s+wait)?\s*$)")},
        {Verb::PlayFrom, words(R"(^\s*play\s+cd\s+from\s+(\S+)\s*$)"), true},
        {Verb::Play, words(R"(^\s*play\s+cd\s*$)")},
        {Verb::Seek, words(R"(^\s*seek\s+cd\s+to\s+(\S+)(\s+wait)?\s*$)"), true},
        {Verb::Pause, words(R"(^\s*pause\s+cd(\s+wait)?\s*$)")},
        {Verb::Stop, words(R"(^\s*stop\s+cd(\s+wait)?\s*$)")},
    }};
    return all;
}

// The drive is everything between "open" and the type; a quoted drive may
// hold any characters but the quote.
std::optional<MciCommand> parseOpen(const QString& text)
{
    static const QRegularExpression open = words(
        R"(^\s*open\s+("[^"]+"|\S.*?)\s+type\s+cdaudio\s+alias\s+cd((\s+(wait|shareable))*)\s*$)");
    const auto match = open.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QString drive = match.captured(1);
    if (drive.startsWith(u'"'))
        drive = drive.mid(1, drive.size() - 2);
    MciCommand command;
    command.verb = Verb::Open;
    command.argument = drive;
    return command;
}

} // namespace

std::optional<MciCommand> parseMciCommand(const QString& text)
{
    if (auto open = parseOpen(text))
        return open;
    static const QRegularExpression closeCd = words(R"(^\s*close\s+cd(\s+wait)?\s*$)");
    if (closeCd.match(text).hasMatch())
        return MciCommand{};
    for (const Form& form : forms()) {
        const auto match = form.pattern.match(text);
        if (!match.hasMatch())
            continue;
        MciCommand command;
        command.verb = form.verb;
        const QString first = match.captured(1);
        if (form.verb == Verb::SetTimeFormat)
            command.format = first.compare(u"tmsf", Qt::CaseInsensitive) == 0
                ? CdTime::Format::Tmsf : CdTime::Format::Milliseconds;
        else if (form.verb == Verb::SetDoor)
            command.doorOpen = first.compare(u"open", Qt::CaseInsensitive) == 0;
        else if (form.takesValue)
            command.argument = first;
        return command;
    }
    return std::nullopt;
}
