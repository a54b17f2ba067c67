#include "playback/numeric_value.h"

#include <QString>

namespace {

qsizetype skipDigits(QStringView text, qsizetype i)
{
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    return i;
}

} // namespace

double numericValue(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype intStart = i;
    i = skipDigits(text, i);
    bool digits = i > intStart;
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fracStart = i + 1;
        const qsizetype fracEnd = skipDigits(text, fracStart);
        if (digits || fracEnd > fracStart) {
            digits = true;
            i = fracEnd;
        }
    }
    if (!digits)
        return 0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype e = i + 1;
        if (e < text.size() && (text[e] == u'+' || text[e] == u'-'))
            ++e;
        const qsizetype expEnd = skipDigits(text, e);
        if (expEnd > e)
            i = expEnd;
    }
    bool ok = false;
    const double value = text.mid(start, i - start).toString().toDouble(&ok);
    return ok ? value : 0;
}
