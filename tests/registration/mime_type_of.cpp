// Prints the MIME type QMimeDatabase gives each file name on the command
// line, one a line, as a fresh process sees the desktop's MIME database.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList names = app.arguments().mid(1);
    for (const QString& name : names)
        std::printf("%s\n", qPrintable(QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension).name()));
    return 0;
}
