// Printing through the system's print system: a private cupsd with a raw
// queue whose device is a listener on the loopback; the page that arrives
// there is turned into a picture to see where the picture landed.
#include "print_fixture.h"
#include "printed_page.h"

#include "pictures/window/qt_picture_printer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

namespace {

// What arrives at the queue's device.
struct Listener {
    Listener()
    {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] { received += socket->readAll(); });
            QObject::connect(socket, &QTcpSocket::disconnected, [this] { closed = true; });
        });
    }
    bool waitForJob(int ms)
    {
        const QDeadlineTimer deadline(ms);
        while (!closed && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        return closed;
    }
    QTcpServer server;
    QByteArray received;
    bool closed = false;
};

// The private cupsd, stopped when the test ends.
struct PrivateCups {
    explicit PrivateCups(const QString& dir, quint16 port)
    {
        QProcess start;
        start.start(QStringLiteral(PRIVATE_CUPS_SCRIPT), {dir, QString::number(port)});
        start.waitForFinished(30000);
        pid = start.readAllStandardOutput().trimmed().toInt();
        socket = dir + QStringLiteral("/cups.sock");
    }
    ~PrivateCups()
    {
        if (pid <= 0 || ::kill(pid, SIGTERM) != 0)
            return;
        // Its files go with the test's folder once it has ended.
        const QDeadlineTimer deadline(5000);
        while (::kill(pid, 0) == 0 && !deadline.hasExpired())
            QThread::msleep(50);
    }
    int pid = 0;
    QString socket;
};

TEST(PrintThroughCups, ThePageArrivesAtThePrinterWhereThePreviewShowsIt)
{
    QTemporaryDir dir;
    // The queue's backend runs as the print system's user and reads the job there.
    QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeOther | QFile::ReadOther);
    Listener listener;
    ASSERT_TRUE(listener.server.isListening());
    PrivateCups cups(dir.filePath(QStringLiteral("cups")), listener.server.serverPort());
    ASSERT_GT(cups.pid, 0) << "cupsd did not start";
    qputenv("CUPS_SERVER", cups.socket.toLocal8Bit());

    PrintFixture f;
    QtPicturePrinter printer;
    EXPECT_EQ(printer.printer().printerName(), QStringLiteral("xy_raw"));
    f.preview().printer = &printer;
    f.preview().Text1_Change(0, QStringLiteral("50"));
    f.preview().Text1_Change(1, QStringLiteral("30"));
    f.preview().Text1_Change(2, QStringLiteral("40"));
    f.dialogs.questionAnswers.enqueue(true);
    f.preview().anniu1_Click(0);
    EXPECT_EQ(f.dialogs.shown.size(), 1) << "no error message";

    ASSERT_TRUE(listener.waitForJob(30000)) << "nothing reached the printer";
    ASSERT_TRUE(listener.received.startsWith("%PDF"));
    const QImage page = pageOf(listener.received, dir.path());
    ASSERT_FALSE(page.isNull());
    const QRectF expected = expectedArea(f.state(), printer.printer().pageLayout());
    const QRect landed = inkedArea(page);
    EXPECT_NEAR(landed.left(), expected.left(), 1.5);
    EXPECT_NEAR(landed.top(), expected.top(), 1.5);
    EXPECT_NEAR(landed.width(), expected.width(), 2);
    EXPECT_NEAR(landed.height(), expected.height(), 2);
}

} // namespace
