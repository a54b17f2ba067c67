// A news switch file "v.sz" of any bytes: read without a crash, and a file
// whose first line is "True" always forbids the popups.
#include "news/news_switch.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    newsPopupsForbidden(fileHolding("v.sz", bytes));
    check(newsPopupsForbidden(fileHolding("v.sz", "True\r\n" + bytes)));
    return 0;
}
