#include "platform/cd/cdaudio_mci.h"
#include "platform/cd/mci_errors.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace {

using namespace MciError;

constexpr int kLookAgainMs = 10;

} // namespace

bool CdaudioMci::eventLoopWait(int timeoutMs, const std::function<bool()>& done)
{
    if (done())
        return true;
    const QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    QTimer again;
    again.setInterval(kLookAgainMs);
    QObject::connect(&again, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired())
            loop.quit();
    });
    again.start();
    loop.exec();
    return done();
}

CdaudioMci::CdaudioMci(Waiter waiter) : waiter_(std::move(waiter)) {}

CdaudioMci::~CdaudioMci()
{
    stopPlay();
}

bool CdaudioMci::send(const QString& command, QString* reply)
{
    QString answer;
    const auto parsed = parseMciCommand(command);
    const bool ok = parsed ? run(*parsed, answer) : fail(kUnknownCommand);
    if (ok)
        lastError_.clear();
    if (reply)
        *reply = ok ? answer : QString();
    return ok;
}

bool CdaudioMci::fail(const QString& error)
{
    lastError_ = error;
    return false;
}

bool CdaudioMci::run(const MciCommand& command, QString& reply)
{
    using Verb = MciCommand::Verb;
    if (command.verb == Verb::Open)
        return open(command.argument);
    if (!open_)
        return fail(kNotOpen);
    catchUp();
    switch (command.verb) {
    case Verb::Close:
        close();
        return true;
    case Verb::SetTimeFormat:
        format_ = command.format;
        return true;
    case Verb::SetDoor:
        return setDoor(command.doorOpen);
    case Verb::StatusMode:
        return statusMode(reply);
    case Verb::Stop:
        stopPlay();
        return true;
    case Verb::StatusTracks:
        return countTracks(reply);
    default:
        break;
    }
    if (!hasDisc())
        return fail(kNotReady);
    switch (command.verb) {
    case Verb::StatusPosition:
        reply = CdTime::positionText(*toc_, format_, position());
        return true;
    case Verb::StatusLength: {
        const auto length = CdTime::trackLengthText(*toc_, format_, command.argument);
        if (!length)
            return fail(kOutOfRange);
        reply = *length;
        return true;
    }
    case Verb::Seek: {
        const auto to = CdTime::positionOf(*toc_, format_, command.argument);
        if (!to)
            return fail(kOutOfRange);
        stopPlay();
        position_ = *to;
        return true;
    }
    case Verb::PlayFrom: {
        const auto from = CdTime::positionOf(*toc_, format_, command.argument);
        return from ? play(from) : fail(kOutOfRange);
    }
    case Verb::Play:
        return play(std::nullopt);
    case Verb::Pause:
        if (mode_ == Mode::Playing) {
            stopPlay();
            mode_ = Mode::Paused;
        }
        return true;
    default:
        return fail(kUnknownCommand);
    }
}
