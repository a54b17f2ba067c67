// Stores one of the program's files over and over through the program's own
// code, for kill_saves_test.sh to kill in the middle of a save.
//   save_driver <vsz|store|mimeapps> <folder> prepare   lays out the first file
//   save_driver <vsz|store|mimeapps> <folder> <saves>   stores it that many times, 0: until killed
// The saves alternate between two contents; the second gives back the file
// that prepare laid out. After each save a line "saved" goes to standard
// output, unbuffered, so the script knows the loop is running.
//   vsz       <folder>/v.sz by the Help menu's news switch
//   store     <folder>/classes.json, a store of some hundred keys, one value
//             set to "old" and "new" in turn
//   mimeapps  <folder>/config/mimeapps.list holding other programs' lines,
//             our types registered and unregistered in turn
#include "chrome/chrome_fixture.h"
#include "doubles/form_folders.h"
#include "news/help_items.h"
#include "news/help_menu.h"
#include "registration/desktop_associations.h"
#include "registration/module1.h"
#include "registration/registration_types.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <functional>
#include <unistd.h>

namespace {

using Save = std::function<void(long)>;

void storeSaves(const QString& folder, bool prepare, const std::function<void(Save)>& run)
{
    Module1 store(folder + QStringLiteral("/classes.json"));
    const QString root = Module1::kClassesRoot;
    if (prepare) {
        for (int i = 0; i < 300; ++i) {
            const QString key = QStringLiteral(".type%1\\shell\\open\\command").arg(i);
            store.reg_create_key(root, key);
            store.reg_set_key_value(root, key, QString(), QStringLiteral("/opt/player%1 %2").arg(i), Module1::kString);
        }
        store.reg_create_key(root, QStringLiteral("qmxlumo"));
        store.reg_set_key_value(root, QStringLiteral("qmxlumo"), QString(), QStringLiteral("old"), Module1::kString);
        return;
    }
    run([&](long n) {
        store.reg_set_key_value(root, QStringLiteral("qmxlumo"), QString(),
                                n % 2 ? QStringLiteral("new") : QStringLiteral("old"), Module1::kString);
    });
}

// Other programs' defaults, comments and sections, some on our types.
const char kForeignList[] =
    "# edited by hand\n"
    "[Added Associations]\n"
    "audio/mpeg=vlc.desktop;rhythmbox.desktop;\n"
    "\n"
    "[Default Applications]\n"
    "text/plain=org.gnome.TextEditor.desktop;\n"
    "audio/mpeg=vlc.desktop;\n"
    "video/mp4 = mpv.desktop;vlc.desktop;\n"
    "image/png=eog.desktop;\n"
    "\n"
    "[Removed Associations]\n"
    "audio/x-wav=audacity.desktop;\n";

void mimeappsSaves(const QString& folder, bool prepare, const std::function<void(Save)>& run)
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder + QStringLiteral("/data")));
    // The desktop's database tools would take most of each save; without
    // them the kills land in the edits of mimeapps.list.
    qputenv("PATH", "/nonexistent");
    if (prepare) {
        QDir().mkpath(folder + QStringLiteral("/config"));
        QFile file(folder + QStringLiteral("/config/mimeapps.list"));
        if (!file.open(QIODevice::WriteOnly) || file.write(kForeignList) != qint64(sizeof kForeignList - 1))
            qFatal("cannot write the first mimeapps.list");
        return;
    }
    QStringList ours;
    for (int i = 0; i < RegistrationTypes::kCount; ++i)
        ours << RegistrationTypes::extension(i);
    DesktopAssociations desktop({QStringLiteral("/opt/xuanyinfang/xuanyinfang"), folder, true});
    run([&](long n) { n % 2 ? desktop.apply(ours, {}) : desktop.apply({}, ours); });
}

void newsSwitchSaves(const QString& folder, bool prepare, const std::function<void(Save)>& run)
{
    ChromeFixture window;
    window.form.programDir = folder;
    Form1& form = window.form;
    HelpMenu help(form.bangzhu1, form.dialogs, programPathOf(form), userPathOf(form));
    const auto toggle = [&](long) { help.bangzhu1_Click(HelpItem::NoNewsPopups); };
    if (prepare) { // "True", then "False"
        toggle(1);
        toggle(2);
        return;
    }
    run(toggle);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        qFatal("usage: save_driver <vsz|store|mimeapps> <folder> <prepare|saves>");
    const QString kind = QString::fromLocal8Bit(argv[1]);
    const QString folder = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    const bool prepare = qstrcmp(argv[3], "prepare") == 0;
    const long saves = prepare ? 0 : atol(argv[3]);
    const auto run = [saves](const Save& save) {
        for (long n = 1; saves == 0 || n <= saves; ++n) {
            save(n);
            if (write(STDOUT_FILENO, "saved\n", 6) != 6)
                qFatal("cannot report a save");
        }
    };
    if (kind == QLatin1String("vsz"))
        newsSwitchSaves(folder, prepare, run);
    else if (kind == QLatin1String("store"))
        storeSaves(folder, prepare, run);
    else if (kind == QLatin1String("mimeapps"))
        mimeappsSaves(folder, prepare, run);
    else
        qFatal("unknown kind of save");
    return 0;
}
