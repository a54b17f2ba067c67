#include "core/window/main_window.h"
#include "core/window/splash_window.h"
#include "platform/quit_signals.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <clocale>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("璇音坊"));
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's own dialogs (file lists, buttons) speak the program's language.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    // libmpv parses numbers with the C locale.
    std::setlocale(LC_NUMERIC, "C");

    const QStringList arguments = app.arguments().mid(1);
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<SplashWindow> splash;
    splash = std::make_unique<SplashWindow>(QApplication::applicationDirPath(), [&] {
        window = std::make_unique<MainWindow>();
        window->form().closeSplash = [&] { splash.reset(); };
        window->load(arguments, splash->pos());
    });
    splash->show();
    // Asked to end from outside: close as the close box does, so the
    // options and the list are stored first.
    onQuitSignals(&app, [&] {
        if (window)
            window->close();
        else
            QApplication::quit();
    });
    return app.exec();
}
