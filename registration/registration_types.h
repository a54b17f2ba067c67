#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The 23 file types the program can open for the desktop: check box i and
// label i of the registration window show type i, in the frame of its group.
namespace RegistrationTypes {

inline constexpr int kCount = 23;
// The picture types, left alone by the first-run registration.
inline constexpr int kFirstPicture = 10;
inline constexpr int kLastPicture = 19;
inline constexpr int kFlash = 22;

// The frames Frame1(0 ... 5); the last one ("Flash文件") is hidden.
enum Group { Disc = 0, Picture = 1, Video = 2, Audio = 3, List = 4, Flash = 5 };
inline constexpr int kGroupCount = 6;

struct Type {
    const char* extension; // with its dot, the label's caption
    Group group;
};

const std::array<Type, kCount>& table();
QString extension(int index); // ".mp3"
QString groupCaption(int group);

} // namespace RegistrationTypes

// The texts that go into the store: the open command and the default icon,
// each held in a field of 127 characters (padded with spaces, or cut).
namespace RegistrationValues {

inline constexpr int kFieldWidth = 127;
inline const QString kTypeName = QStringLiteral("qmxlumo");
inline const QString kCommandKey = QStringLiteral("qmxlumo\\shell\\open\\command");
inline const QString kIconKey = QStringLiteral("qmxlumo\\defaultIcon");

QString fixedField(const QString& text);
// programDir + "/" (unless it ends with one) + executable name + " %1".
QString command_text(const QString& programDir, const QString& executableName);
QString icon_text(const QString& programDir);

} // namespace RegistrationValues
