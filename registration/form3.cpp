#include "registration/form3.h"

#include "core/form1.h"
#include "core/replace_file.h"
#include "registration/desktop_associations.h"

#include <QDir>
#include <QFileInfo>

using namespace RegistrationValues;

Form3::Form3(const Form3Parts& parts) : parts_(parts) {}

void Form3::show()
{
    if (!loaded_)
        Form_Load();
    showWindow();
}

void Form3::Form_Load()
{
    loaded_ = true;
    enableMainWindow(false);
    const QString command = command_text(parts_.programDir, QFileInfo(executable).fileName());
    Text1 = readValue(kCommandKey);
    while (Text1.endsWith(QLatin1Char(' ')))
        Text1.chop(1);
    // An empty command (nothing registered) counts as this program's.
    const bool ours = command.left(Text1.size()) == Text1;
    for (int i = 0; i < RegistrationTypes::kCount; ++i) {
        Check1[i] = 0;
        if (ours) {
            Text1 = readValue(RegistrationTypes::extension(i));
            Check1[i] = Text1 == kTypeName ? 1 : 0;
        }
    }
    changed();
}

void Form3::Form_Unload()
{
    if (!loaded_)
        return;
    loaded_ = false;
    hideWindow();
    enableMainWindow(true);
}

void Form3::Label1_Click(int Index)
{
    if (Index < 0 || Index >= RegistrationTypes::kCount)
        return;
    Check1[Index] = Check1[Index] == 0 ? 1 : 0;
    changed();
}

void Form3::Check1_Click(int Index, int value)
{
    if (Index < 0 || Index >= RegistrationTypes::kCount)
        return;
    Check1[Index] = value;
    changed();
}

void Form3::anniu1_Click(int Index)
{
    switch (Index) {
    case SelectAll: Check1.fill(1); changed(); break;
    case ClearAll: Check1.fill(0); changed(); break;
    case Register: zhuce(); break;
    case Close: Form_Unload(); break;
    default: break;
    }
}

void Form3::zhuce()
{
    const bool silent = parts_.state.kaishizhuce == SilentRun;
    Dialogs* asked = shownDialogs();
    if (!silent && (!asked || !asked->question(Question, QCoreApplication::applicationName())))
        return;
    const QString command = command_text(parts_.programDir, QFileInfo(executable).fileName());
    const QString icon = icon_text(parts_.programDir);
    store.reg_create_key(Module1::kClassesRoot, kCommandKey);
    setValue(kCommandKey, command);
    for (int i = 0; i < RegistrationTypes::kCount; ++i) {
        const QString key = QLatin1Char('.') + RegistrationTypes::extension(i).mid(1);
        if (Check1[i] == 1) {
            store.reg_create_key(Module1::kClassesRoot, key);
            setValue(key, kTypeName);
            store.reg_create_key(Module1::kClassesRoot, kIconKey);
            setValue(kIconKey, icon);
            continue;
        }
        Text1 = readValue(key);
        if (Text1 == kTypeName)
            setValue(key, QString());
        Text1 = readValue(kIconKey);
        if (Text1 == icon)
            setValue(kIconKey, QString());
    }
    registerDesktop();
    if (silent)
        parts_.state.kaishizhuce.clear();
    else if (asked)
        asked->messageBox(Done, QCoreApplication::applicationName());
}

void Form3::registerDesktop()
{
    QStringList registered;
    QStringList unregistered;
    for (int i = 0; i < RegistrationTypes::kCount; ++i)
        (Check1[i] == 1 ? registered : unregistered) << RegistrationTypes::extension(i);
    const bool installed = QFileInfo::exists(parts_.programPath(QString::fromLatin1(Form1::kInstalledMark)));
    DesktopAssociations({executable, parts_.programDir, installed}).apply(registered, unregistered);
}

void Form3::firstRunRegistration()
{
    const QString marker = parts_.userPath(Marker);
    if (QFileInfo::exists(marker))
        return;
    parts_.state.kaishizhuce = SilentRun;
    Form_Load();
    for (int i = 0; i < RegistrationTypes::kCount; ++i) {
        if (i < RegistrationTypes::kFirstPicture || i > RegistrationTypes::kLastPicture)
            Check1[i] = 1;
    }
    anniu1_Click(Register);
    Form_Unload();
    QDir().mkpath(QFileInfo(marker).absolutePath());
    replaceFile(marker, QByteArray());
}

QString Form3::readValue(const QString& key)
{
    int type = Module1::kString;
    return store.sdaGetRegEntry(Module1::kClassesRoot, key, QString(), type);
}

void Form3::setValue(const QString& key, const QString& value)
{
    store.reg_set_key_value(Module1::kClassesRoot, key, QString(), value, Module1::kString);
}

Dialogs* Form3::shownDialogs() const
{
    return dialogs ? dialogs : parts_.dialogs;
}
