#include "playlist/media_types.h"

namespace MediaTypes {

const QStringList& suffixes()
{
    static const QStringList table = {
        ".dat", ".cda", ".vob", ".wav", ".mp3", ".mid", ".avi", ".mpg", ".wmv", ".rm",
        ".mov", ".jpg", ".tif", ".ico", ".cur", ".dib", ".wmf", ".bmp", ".gif", ".swf",
        ".qmx", ".wmx", ".wmp", ".wma", ".wax", ".wvx", ".asf", ".asx", ".rmi",
    };
    return table;
}

Range range(int filter)
{
    switch (filter) {
    case AllMedia: return {1, 28};
    case Disc: return {1, 3};
    case Audio: return {4, 6};
    case Video: return {7, 11};
    case Picture: return {12, 19};
    case FlashAndLists: return {20, 21};
    case AllFiles: return {1, 1};
    default: return {1, 0};
    }
}

// Each "*" starts a suffix that runs to the next ";", "*" or blank, so
// "*.rm;*.mp3" names .rm and .mp3 and "*.jpeg" names .jpeg. Suffixes are
// lowered like the names they are compared with.
QStringList customSuffixes(const QString& answer)
{
    QStringList result;
    qsizetype star = answer.indexOf(QLatin1Char('*'));
    while (star >= 0 && result.size() < kMaxCustomSuffixes) {
        qsizetype end = star + 1;
        while (end < answer.size() && answer[end] != QLatin1Char(';') && answer[end] != QLatin1Char('*')
               && !answer[end].isSpace())
            ++end;
        result << answer.mid(star + 1, end - star - 1).toLower();
        star = answer.indexOf(QLatin1Char('*'), end);
    }
    return result;
}

const QString kOpenFilter = QStringLiteral(
    "所有媒体文件|*.dat;*.cda;*.vob; *.wav;*.mp3;*.mid;*.avi;*.mpg;*.mpeg;*.wmv;*.rm;*.mov;"
    "*.bmp;*.gif;*.jpg;*.tif;*.tiff;*.ico;*.cur;*.dib;*.wmf;*.emf;*.qmx;*.asf;*.asx;*.wn;"
    "*.wmx;*.wmp;*.wma;*.wax;*.wvx;*.rmi;*.midi;*.swf|"
    "光盘文件(*.dat;*.cda;*.vob)|*.dat;*.cda;*.vob|"
    "音频文件(*.wav;*.mp3;*.mid)| *.wav;*.mp3;*.mid|"
    "视频文件(*.avi;*.mpg;*.wmv;*.rm)|*.avi;*.mpg;*.mpeg;*.wmv;*.rm;*.mov|"
    "图象文件(*.bmp;*.gif;*.jpg;*.ico)|*.bmp;*.gif;*.jpg;*.tif;*.tiff;*.ico;*.cur;*.dib;*.wmf;*.emf|"
    "列表文件(*.qmx)|*.qmx|"
    "所有文件(*.*)|*.*");

const QString kListFilter = QStringLiteral("列表文件(*.qmx)|*.qmx");

} // namespace MediaTypes

TypeFilter TypeFilter::standard(int filter)
{
    TypeFilter result;
    const MediaTypes::Range r = MediaTypes::range(filter);
    for (int n = r.first; n <= r.last; ++n)
        result.suffixes_ << MediaTypes::suffixes().at(n - 1);
    result.everything_ = (filter == MediaTypes::AllFiles);
    return result;
}

TypeFilter TypeFilter::custom(const QString& answer)
{
    TypeFilter result;
    result.suffixes_ = MediaTypes::customSuffixes(answer);
    return result;
}

bool TypeFilter::matches(const QString& fileName) const
{
    if (everything_)
        return true;
    const QString lowered = fileName.toLower();
    for (const QString& suffix : suffixes_) {
        if (lowered.endsWith(suffix))
            return true;
    }
    return false;
}
