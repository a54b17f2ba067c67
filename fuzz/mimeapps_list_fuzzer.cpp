// A mimeapps.list of any bytes. One the desktop could not read is never
// edited; in one it can, setting our default and taking it back gives the
// file back byte for byte (a missing last line end may be added; a line of
// the type with an empty value may go), and the edited file is still
// readable with our entry first.
#include "registration/mimeapps_list.h"
#include "fuzz_support.h"

#include <cstdio>

namespace {

const char* const kTypes[] = {"audio/mpeg", "video/mpeg", "application/x-xuanyinfang-list",
                              "image/jpeg"};
const QString kOurs = QStringLiteral("io.github.xuanyinfang.desktop");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QString type = QString::fromLatin1(kTypes[data[0] % 4]);
    const QByteArray text(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    MimeAppsList::defaultsOf(text, type);
    if (!MimeAppsList::readable(text))
        return 0; // never edited
    const bool oursFirst = MimeAppsList::defaultsOf(text, type).startsWith(kOurs.toUtf8() + ';');
    const QByteArray set = MimeAppsList::withDefault(text, type, kOurs);
    check(MimeAppsList::readable(set));
    check(MimeAppsList::defaultsOf(set, type).startsWith(kOurs.toUtf8()));
    if (oursFirst)
        return 0;
    const QByteArray back = MimeAppsList::withoutDefault(set, type, kOurs);
    // Taking it back leaves our entry wherever the file had it, and nowhere else.
    check(back.count(kOurs.toUtf8()) == text.count(kOurs.toUtf8()));
    // A type line whose value was empty is not told from one we added: it
    // goes with our entry.
    if (MimeAppsList::defaultsOf(text, type).isEmpty())
        return 0;
    const bool same = back == text || (!text.endsWith('\n') && back == text + '\n');
    if (!same)
        std::fprintf(stderr, "before:\n%s\n--- set:\n%s\n--- back:\n%s\n---\n", text.constData(),
                     set.constData(), back.constData());
    check(same);
    return 0;
}
