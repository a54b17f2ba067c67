#include "playback/cd_entry.h"

#include "core/form1.h"
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

void send(Form1& form, const QString& command)
{
    form.mci.send(command);
}

QString ask(Form1& form, const QString& command)
{
    form.mci.send(command, &form.state.mci_reply);
    return form.state.mci_reply;
}

bool sendMci(Form1& form, const QString& command)
{
    if (form.mci.send(command))
        return true;
    (void)form.mci.lastError(); // looked up for the record, not shown
    return false;
}

} // namespace CdEntry
