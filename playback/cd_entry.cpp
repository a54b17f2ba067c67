#include "playback/cd_entry.h"

#include "platform/mci.h"
#include "playback/numeric_value.h"

#include <algorithm>

namespace CdEntry {

bool isTrack(const QString& caption)
{
    return caption.right(4).toLower() == QLatin1String(".cda");
}

double trackNumber(const QString& caption)
{
    return std::max(numericValue(caption.right(6)), numericValue(caption.right(5)));
}

QString drive(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash > 0 ? path.left(slash) : QString();
}

QString number(double n)
{
    return QString::number(n, 'g', 15);
}

void send(Mci& mci, const QString& command)
{
    mci.send(command);
}

QString ask(Mci& mci, QString& mci_reply, const QString& command)
{
    mci.send(command, &mci_reply);
    return mci_reply;
}

bool sendMci(Mci& mci, const QString& command)
{
    if (mci.send(command))
        return true;
    (void)mci.lastError(); // looked up for the record, not shown
    return false;
}

} // namespace CdEntry
