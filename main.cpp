#include "core/display_mode.h"
#include "core/window/main_window.h"

#include <QApplication>
#include <clocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("璇音坊"));
    // libmpv parses numbers with the C locale.
    std::setlocale(LC_NUMERIC, "C");

    MainWindow window;
    window.form().state.display_mode = DisplayMode::Idle;
    window.form().shijian2();
    window.show();
    return app.exec();
}
