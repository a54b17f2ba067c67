// An options file of any bytes: start-up chooses existing menu items and a
// loop mode of 0, 1 or 2 (or none), whatever the lines hold.
#include "options/option_values.h"
#include "playlist/gb_text.h"
#include "fuzz_support.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QStringList lines = GbText::readLines(buffer, OptionValues::kLineCount);
    check(lines.size() <= OptionValues::kLineCount);
    check(OptionValues::holdValues(lines).size() == OptionValues::kLineCount);

    const int startPictures = size > 0 ? data[0] % 5 : 0;
    const int backgrounds = size > 1 ? data[1] % 5 : 1;
    const OptionValues::Plan plan = OptionValues::plan(lines, startPictures, backgrounds);
    check(!plan.loopMode || (*plan.loopMode >= 0 && *plan.loopMode <= 2));
    check(plan.startPicture == 0 || (plan.startPicture > 0 && plan.startPicture < startPictures));
    check(plan.background == 0 || (plan.background > 0 && plan.background < backgrounds));
    return 0;
}
