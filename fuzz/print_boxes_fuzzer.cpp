// The print preview's boxes hold whatever the user typed: any texts in the
// size, scale and margin boxes, any centring and orientation, any shown
// picture size. The layout runs as the preview runs it (again while it
// changes a box, a bounded number of times) and must leave finite geometry
// and every slider inside its range.
#include "pictures/print_layout.h"
#include "fuzz_support.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

void checkRect(const TwipsRect& r)
{
    const bool finite = std::isfinite(r.left) && std::isfinite(r.top) && std::isfinite(r.width) &&
                        std::isfinite(r.height);
    if (!finite)
        std::fprintf(stderr, "rect %g %g %g %g\n", r.left, r.top, r.width, r.height);
    check(finite);
}

struct Input {
    const uint8_t* data;
    size_t size;

    uint8_t byte()
    {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }
    // The text up to the next newline.
    QString text()
    {
        const void* end = std::memchr(data, '\n', size);
        const size_t n = end ? size_t(static_cast<const uint8_t*>(end) - data) : size;
        const QString t = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(n));
        data += n;
        size -= n;
        if (size > 0) {
            ++data;
            --size;
        }
        return t;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input in{data, size};
    PreviewState s;
    const uint8_t flags = in.byte();
    s.Check1 = {flags & 1, (flags >> 1) & 1};
    s.Option1 = {(flags & 4) == 0, (flags & 4) != 0};
    const int orientation = (flags >> 3) & 3;
    const QSizeF shown(in.byte() * 37, in.byte() * 29);
    s.Text2[0] = in.text();
    s.Text2[1] = in.text();
    for (PreviewBox& box : s.Text1)
        box.text = in.text();

    for (int run = 0; run < 8; ++run) {
        if (!PrintLayout::runOnce(s, shown, orientation))
            break;
        PrintLayout::slidersFromBoxes(s);
    }
    for (const TwipsRect& r : {s.Shape1, s.Shape2, s.Image1, s.Shape3})
        checkRect(r);
    for (const PreviewSlider& slider : s.Slider1)
        check(slider.value >= slider.min && slider.value <= slider.max);
    check(std::isfinite(s.paper_per_preview));
    for (int index = 0; index < 3; ++index)
        PrintLayout::sliderText(s, index, int(in.byte()) - 128);
    for (const PreviewBox& box : s.Text1)
        PrintLayout::trimmedNumber(box.text);
    return 0;
}
