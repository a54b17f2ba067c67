// The media interface on a session bus of the test's own, as the desktop's
// media controls use it: properties with their D-Bus types, methods, and
// the signals that announce changes.
#include "desktop/mpris_fixture.h"
#include "desktop/mpris_service.h"
#include "desktop/private_bus.h"
#include "playback/status_texts.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDBusArgument>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kService = "org.mpris.MediaPlayer2.xuanyinfang";
const QString kPath = "/org/mpris/MediaPlayer2";
const QString kPlayer = "org.mpris.MediaPlayer2.Player";
const QString kProperties = "org.freedesktop.DBus.Properties";

// Records the signals the player sends.
class SignalLog : public QObject {
    Q_OBJECT
public:
    QList<QVariantMap> changes;
    QList<qlonglong> seeks;

public slots:
    void propertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList&)
    {
        if (interface == kPlayer)
            changes << changed;
    }
    void seeked(qlonglong position) { seeks << position; }
};

class MprisBus : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        bus_ = new PrivateBus;
        bus_->becomeSessionBus();
    }
    static void TearDownTestSuite()
    {
        delete bus_;
        bus_ = nullptr;
    }

    void SetUp() override
    {
        if (bus_->address().isEmpty())
            GTEST_SKIP() << "dbus-daemon did not start";
        ASSERT_TRUE(service_.start());
        client_ = QDBusConnection::connectToBus(bus_->address(), "client");
        ASSERT_TRUE(client_.isConnected());
        client_.connect(kService, kPath, kProperties, "PropertiesChanged", &log_,
                        SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
        client_.connect(kService, kPath, kPlayer, "Seeked", &log_, SLOT(seeked(qlonglong)));
    }

    void TearDown() override { QDBusConnection::disconnectFromBus("client"); }

    // The service answers on this thread, so the client waits with the
    // event loop running.
    QDBusMessage call(const QString& interface, const QString& method, const QVariantList& args = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, interface, method);
        message.setArguments(args);
        QDBusPendingCall pending = client_.asyncCall(message, 5000);
        if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 6000))
            ADD_FAILURE() << method.toStdString() << " had no answer";
        return pending.reply();
    }

    QDBusMessage get(const QString& interface, const QString& name)
    {
        return call(kProperties, "Get", {interface, name});
    }
    QVariant value(const QString& interface, const QString& name)
    {
        const QDBusMessage reply = get(interface, name);
        return reply.arguments().isEmpty() ? QVariant()
                                           : reply.arguments().at(0).value<QDBusVariant>().variant();
    }
    void set(const QString& name, const QVariant& v)
    {
        call(kProperties, "Set", {kPlayer, name, QVariant::fromValue(QDBusVariant(v))});
    }

    static PrivateBus* bus_;
    MprisFixture f_;
    QStringList raised_;
    MprisService service_{f_.form, [this] { raised_ << "raise"; }};
    QDBusConnection client_{""};
    SignalLog log_;
};

PrivateBus* MprisBus::bus_ = nullptr;

QString signatureOf(const QDBusMessage& reply)
{
    if (reply.arguments().isEmpty())
        return {};
    return QString::fromLatin1(reply.arguments().at(0).value<QDBusVariant>().variant().typeName());
}

TEST_F(MprisBus, PropertiesCarryTheTypesTheDesktopExpects)
{
    EXPECT_EQ(value(kPlayer, "PlaybackStatus").toString(), "Playing");
    EXPECT_EQ(signatureOf(get(kPlayer, "Position")), "qlonglong");
    EXPECT_EQ(value(kPlayer, "Position").toLongLong(), 5'000'000);
    EXPECT_EQ(signatureOf(get(kPlayer, "Volume")), "double");
    EXPECT_EQ(value("org.mpris.MediaPlayer2", "Identity").toString(), "璇音坊");
    EXPECT_TRUE(value("org.mpris.MediaPlayer2", "SupportedMimeTypes").toStringList().contains("audio/mpeg"));

    // The metadata map arrives as a{sv}: the trackid an object path, the
    // length an int64 in microseconds.
    const QDBusArgument metadata = value(kPlayer, "Metadata").value<QDBusArgument>();
    QMap<QString, QVariant> map;
    metadata >> map;
    EXPECT_EQ(map.value("mpris:trackid").value<QDBusObjectPath>().path(), service_.state().trackId);
    EXPECT_EQ(map.value("mpris:length").metaType(), QMetaType::fromType<qlonglong>());
    EXPECT_EQ(map.value("mpris:length").toLongLong(), 200'000'000);
    EXPECT_EQ(map.value("xesam:title").toString(), "two");
    EXPECT_EQ(map.value("xesam:url").toString(), "file:///music/two.ogg");
}

TEST_F(MprisBus, MethodsReachTheWindowsHandlers)
{
    call(kPlayer, "PlayPause");
    call(kPlayer, "Next");
    call(kPlayer, "Previous");
    call(kPlayer, "Stop");
    call("org.mpris.MediaPlayer2", "Raise");
    call("org.mpris.MediaPlayer2", "Quit");
    EXPECT_EQ(f_.form.calls, (QStringList{"kongzhi1_Click:1", "kuaijiecaidan1_Click:8",
                                          "kuaijiecaidan1_Click:7", "kongzhi1_Click:2", "formUnload"}));
    EXPECT_EQ(raised_, QStringList{"raise"});
}

TEST_F(MprisBus, OneSeekedPerSeekAndNoneFromTheNextReading)
{
    call(kPlayer, "Seek", {qlonglong(30'000'000)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !log_.seeks.isEmpty(); }, 3000));
    EXPECT_EQ(log_.seeks.first(), 35'000'000);
    QTest::qWait(MprisService::kPollMs * 3);
    EXPECT_EQ(log_.seeks.size(), 1);
    EXPECT_DOUBLE_EQ(f_.form.state.position_ms, 35000);
}

TEST_F(MprisBus, AJumpInTheWindowIsAnnouncedToo)
{
    f_.form.ditiao.setCaption(StatusTexts::Paused);
    QTest::qWait(MprisService::kPollMs * 2);
    log_.seeks.clear();
    f_.form.state.position_ms = 150000;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !log_.seeks.isEmpty(); }, 3000));
    EXPECT_EQ(log_.seeks, QList<qlonglong>{150'000'000});
}

TEST_F(MprisBus, StaleOrOutOfRangeSetPositionIsIgnored)
{
    const QDBusObjectPath current(service_.state().trackId);
    call(kPlayer, "SetPosition", {QVariant::fromValue(QDBusObjectPath("/io/github/xuanyinfang/track/old")),
                                  qlonglong(10'000'000)});
    call(kPlayer, "SetPosition", {QVariant::fromValue(current), qlonglong(999'000'000)});
    call(kPlayer, "SetPosition", {QVariant::fromValue(current), qlonglong(-1)});
    EXPECT_TRUE(f_.form.calls.isEmpty());
    call(kPlayer, "SetPosition", {QVariant::fromValue(current), qlonglong(60'000'000)});
    EXPECT_EQ(f_.form.calls, QStringList{"rengong_kongzhi:2"});
    EXPECT_DOUBLE_EQ(f_.form.state.position_ms, 60000);
}

TEST_F(MprisBus, ChangesAreAnnouncedOnceEach)
{
    f_.form.ditiao.setCaption(StatusTexts::Paused);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !log_.changes.isEmpty(); }, 3000));
    EXPECT_EQ(log_.changes.first().value("PlaybackStatus").toString(), "Paused");

    PlaylistEntries::checkOnly(f_.form.liebiao, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return log_.changes.size() >= 2; }, 3000));
    EXPECT_TRUE(log_.changes.at(1).contains("Metadata"));
    QTest::qWait(MprisService::kPollMs * 3);
    EXPECT_EQ(log_.changes.size(), 2);
}

TEST_F(MprisBus, WritablePropertiesGoThroughTheHandlersAndClamp)
{
    set("Volume", 3.5);
    EXPECT_DOUBLE_EQ(f_.form.state.shengyin_shu, 32767);
    set("Volume", 0.25);
    EXPECT_DOUBLE_EQ(f_.form.state.shengyin_shu, std::round(0.25 * 32767));
    set("LoopStatus", QString("Track"));
    EXPECT_EQ(value(kPlayer, "LoopStatus").toString(), "Track");
    set("LoopStatus", QString("Sideways"));
    EXPECT_EQ(value(kPlayer, "LoopStatus").toString(), "Track");
}

TEST_F(MprisBus, OpenUriOfAnythingButAnExistingFileIsIgnored)
{
    for (const char* uri : {"file:///no/such/file.mp3", "http://example.com/a.mp3", "", "relative.mp3"})
        call(kPlayer, "OpenUri", {QString(uri)});
    EXPECT_TRUE(f_.form.calls.isEmpty());
}

} // namespace

#include "mpris_bus_test.moc"
