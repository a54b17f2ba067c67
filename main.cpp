#include "window/main_window.h"
#include "window/splash_window.h"
#include "platform/alsa_mixer_volume.h"
#include "platform/desktop_session.h"
#include "platform/qt_dialogs_language.h"
#include "platform/quit_signals.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <clocale>
#include <memory>
#include <unistd.h>

namespace {

// A session started without a login manager has no XDG_RUNTIME_DIR; Qt
// then falls back to a folder of its own and warns each time it is asked.
// Offer a private folder of our own instead, unless someone else owns it.
void provideRuntimeDir()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const uint uid = ::getuid();
    const QString dir = QDir::tempPath() + QStringLiteral("/xuanyinfang-runtime-%1").arg(uid);
    if (!QDir().mkpath(dir) || QFileInfo(dir).ownerId() != uid)
        return;
    if (QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir));
}

} // namespace

int main(int argc, char** argv)
{
    provideRuntimeDir();
    preferXWaylandOnWayland();
    routeAlsaMessagesToLog();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("璇音坊"));
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's own dialogs (file lists, buttons) speak the program's language.
    installChineseTexts(app);
    // libmpv parses numbers with the C locale.
    std::setlocale(LC_NUMERIC, "C");

    const QStringList arguments = app.arguments().mid(1);
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<SplashWindow> splash;
    bool loading = false;
    auto makeWindow = [&] {
        if (window)
            return;
        window = std::make_unique<MainWindow>();
        window->form().closeSplash.connect(splash.get(), [&] { splash.reset(); });
    };
    splash = std::make_unique<SplashWindow>(QApplication::applicationDirPath(), [&] {
        makeWindow();
        loading = true;
        window->load(arguments, splash->pos());
    });
    // The window's widgets and players are made while the splash waits; the
    // load and its start sequence still run when the splash's timer fires.
    splash->whenDrawn(makeWindow);
    splash->show();
    // Asked to end from outside: close as the close box does, so the
    // options and the list are stored first. Before the load there is
    // nothing of the user's in the window to store.
    onQuitSignals(&app, [&] {
        if (loading)
            window->close();
        else
            QApplication::quit();
    });
    return app.exec();
}
