#include "registration/registration_types.h"

namespace RegistrationTypes {

const std::array<Type, kCount>& table()
{
    static const std::array<Type, kCount> types{{
        {".rm", Video},    {".dat", Disc},    {".cda", Disc},    {".wav", Audio},
        {".mp3", Audio},   {".mid", Audio},   {".avi", Video},   {".mpg", Video},
        {".mov", Video},   {".wmv", Video},   {".bmp", Picture}, {".gif", Picture},
        {".jpg", Picture}, {".tif", Picture}, {".tiff", Picture}, {".ico", Picture},
        {".cur", Picture}, {".dib", Picture}, {".wmf", Picture}, {".emf", Picture},
        {".qmx", List},    {".vob", Disc},    {".swf", Flash},
    }};
    return types;
}

QString extension(int index)
{
    return QString::fromLatin1(table().at(index).extension);
}

QString groupCaption(int group)
{
    static const char* const captions[kGroupCount] = {"光盘文件", "图象文件", "视频文件",
                                                      "音频文件", "列表文件", "Flash文件"};
    return group >= 0 && group < kGroupCount ? QString::fromUtf8(captions[group]) : QString();
}

} // namespace RegistrationTypes

namespace RegistrationValues {

QString fixedField(const QString& text)
{
    QString field = text.left(kFieldWidth);
    // A cut between the halves of a surrogate pair would leave half a character.
    if (field.size() == kFieldWidth && field.back().isHighSurrogate())
        field.chop(1);
    return field.leftJustified(kFieldWidth, QLatin1Char(' '));
}

QString command_text(const QString& programDir, const QString& executableName)
{
    const QString dir = programDir.endsWith(QLatin1Char('/')) ? programDir : programDir + QLatin1Char('/');
    return fixedField(dir + executableName + QStringLiteral(" %1"));
}

// The two file names differ as they always have; only the path is written.
QString icon_text(const QString& programDir)
{
    if (programDir.endsWith(QLatin1Char('/')))
        return fixedField(programDir + QStringLiteral("tubiao/chxutubiao.ico"));
    return fixedField(programDir + QStringLiteral("/tubiao/chengxutubiao.ico"));
}

} // namespace RegistrationValues
