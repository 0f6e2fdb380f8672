// One running window per desktop: later starts hand over their arguments through a local socket.
// The second process of these tests is this test program itself, started with an environment
// variable that turns one of the "Child" tests below into a sender or a running instance.
#include "app/desktop/handover.h"
#include "app/desktop/singleinstance.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QtEndian>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr char SenderServer[] = "W4_TEST_SENDER_SERVER";
constexpr char SenderArgs[] = "W4_TEST_SENDER_ARGS";
constexpr char SenderMarker[] = "W4_TEST_SENDER_MARKER";
constexpr char SenderExpect[] = "W4_TEST_SENDER_EXPECT";
constexpr char PrimaryServer[] = "W4_TEST_PRIMARY_SERVER";
// Only a guard against a hung child; nothing here measures time.
constexpr int ChildFailsafeMs = 60000;

void EnsureApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tests_app";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);   // kept for the whole test program
}

QStringList Lines(const QString& text)
{
    return text.split(u'\n', Qt::SkipEmptyParts);
}

QByteArray Frame(char kind, const QByteArray& payload, quint32 length)
{
    QByteArray frame(1, kind);
    char size[4];
    qToBigEndian(length, size);
    frame.append(size, 4);
    return frame + payload;
}

QByteArray Frame(char kind, const QByteArray& payload)
{
    return Frame(kind, payload, static_cast<quint32>(payload.size()));
}

// ---- the second process ----

TEST(Child, SenderHandsOverAndOpensNoWindow)
{
    const QString server = qEnvironmentVariable(SenderServer);
    if (server.isEmpty())
        GTEST_SKIP() << "runs only as the second process of the hand-over tests";
    EnsureApplication();
    // Hex in the environment: the arguments are bytes, not always UTF-8.
    const QByteArrayList arguments = QByteArray::fromHex(qgetenv(SenderArgs)).split('\n');
    w4::SingleInstance instance(server);
    EXPECT_FALSE(instance.Start(arguments));
    EXPECT_FALSE(instance.IsListening());
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());

    // Every answer came after the window had dealt with the file, so by now it has them all.
    const QString marker = qEnvironmentVariable(SenderMarker);
    if (!marker.isEmpty()) {
        QFile file(marker);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(Lines(QString::fromUtf8(file.readAll())), Lines(qEnvironmentVariable(SenderExpect)));
    }
}

TEST(Child, PrimaryServesUntilKilled)
{
    const QString server = qEnvironmentVariable(PrimaryServer);
    if (server.isEmpty())
        GTEST_SKIP() << "runs only as the second process of the hand-over tests";
    EnsureApplication();
    w4::SingleInstance instance(server);
    ASSERT_TRUE(instance.Start({}));
    ASSERT_TRUE(instance.IsListening());
    std::puts("listening");
    std::fflush(stdout);
    QEventLoop().exec();
}

// ---- the running instance ----

class HandOver : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        // A short folder: a socket path must fit in about a hundred bytes.
        ASSERT_TRUE(dir.isValid());
        server = dir.filePath(QStringLiteral("w4"));
    }

    QString MakeFile(const QString& name)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#####\n#@$.#\n#####\n");
        return QFileInfo(file).absoluteFilePath();
    }

    // Starts this test program as the second process and keeps the event loop running (the
    // receiver lives in it) until the child ends.
    void StartChild(QProcess& child, const char* test, const QProcessEnvironment& extra)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(extra);
        child.setProcessEnvironment(env);
        child.setWorkingDirectory(dir.path());
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=Child.") + QLatin1String(test)});
        ASSERT_TRUE(child.waitForStarted());
    }

    int RunChild(const char* test, const QProcessEnvironment& extra)
    {
        QProcess child;
        StartChild(child, test, extra);
        QEventLoop loop;
        QObject::connect(&child, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(ChildFailsafeMs, &loop, &QEventLoop::quit);
        if (child.state() != QProcess::NotRunning)
            loop.exec();
        EXPECT_EQ(child.state(), QProcess::NotRunning) << "the second start did not end";
        output = child.readAllStandardOutput();
        return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    }

    QProcessEnvironment SenderEnv(const QStringList& arguments) const
    {
        QByteArrayList bytes;
        for (const QString& argument : arguments)
            bytes << QFile::encodeName(argument);
        return SenderEnv(bytes);
    }

    QProcessEnvironment SenderEnv(const QByteArrayList& arguments) const
    {
        QProcessEnvironment env;
        env.insert(QLatin1String(SenderServer), server);
        env.insert(QLatin1String(SenderArgs), QString::fromLatin1(arguments.join('\n').toHex()));
        return env;
    }

    QTemporaryDir dir{QStringLiteral("/tmp/w4si-XXXXXX")};
    QString server;
    QByteArray output;
};

TEST_F(HandOver, SecondStartAppendsBothFilesAndTheSecondBecomesCurrent)
{
    const QString first = MakeFile(QStringLiteral("first.xsb"));
    const QString second = MakeFile(QStringLiteral("second.xsb"));
    const QString marker = dir.filePath(QStringLiteral("handled.txt"));

    w4::GameState g;
    g.Playlist = {"/levels/old.xsb"};
    g.LevelIndex = 0;
    int raises = 0;
    w4::SingleInstance running(server);
    ASSERT_TRUE(running.Start({}));
    QObject::connect(&running, &w4::SingleInstance::fileHandedOver, [&](const QByteArray& path) {
        w4::AppendHandedOverFile(g, w4::PlaylistPath(path));
        QFile file(marker);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(path + '\n');
    });
    QObject::connect(&running, &w4::SingleInstance::raiseRequested, [&] { ++raises; });

    // The second one is named relative to the sender's folder, as typed in a terminal there.
    QProcessEnvironment env = SenderEnv({first, QStringLiteral("second.xsb")});
    env.insert(QLatin1String(SenderMarker), marker);
    env.insert(QLatin1String(SenderExpect), first + u'\n' + second);
    EXPECT_EQ(RunChild("SenderHandsOverAndOpensNoWindow", env), 0) << output.constData();

    EXPECT_EQ(g.Playlist, (std::vector<std::string>{"/levels/old.xsb", QFile::encodeName(first).toStdString(),
                                                    QFile::encodeName(second).toStdString()}));
    EXPECT_EQ(g.LevelIndex, 2);
    EXPECT_EQ(raises, 1);
}

TEST_F(HandOver, StartWithoutArgumentsOnlyBringsTheWindowToTheFront)
{
    QWidget window;
    window.showMinimized();
    int files = 0;
    w4::SingleInstance running(server);
    ASSERT_TRUE(running.Start({}));
    QObject::connect(&running, &w4::SingleInstance::fileHandedOver, [&] { ++files; });
    QObject::connect(&running, &w4::SingleInstance::raiseRequested, [&] { w4::BringToFront(&window); });

    EXPECT_EQ(RunChild("SenderHandsOverAndOpensNoWindow", SenderEnv(QStringList{})), 0) << output.constData();
    EXPECT_EQ(files, 0);
    EXPECT_FALSE(window.windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(HandOver, KilledInstanceLeavesNoObstacle)
{
    QProcess first;
    QProcessEnvironment env;
    env.insert(QLatin1String(PrimaryServer), server);
    StartChild(first, "PrimaryServesUntilKilled", env);
    QByteArray said;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        said += first.readAllStandardOutput();
        return said.contains("listening") || first.state() == QProcess::NotRunning;
    }, ChildFailsafeMs));
    ASSERT_TRUE(said.contains("listening")) << said.constData();
    first.kill();
    ASSERT_TRUE(first.waitForFinished());
    ASSERT_TRUE(QFileInfo::exists(server)) << "a killed instance should leave its socket behind";

    w4::GameState g;
    w4::SingleInstance next(server);
    ASSERT_TRUE(next.Start({}));
    EXPECT_TRUE(next.IsListening());
    QObject::connect(&next, &w4::SingleInstance::fileHandedOver,
                     [&](const QByteArray& path) { w4::AppendHandedOverFile(g, w4::PlaylistPath(path)); });

    const QString level = MakeFile(QStringLiteral("after.xsb"));
    EXPECT_EQ(RunChild("SenderHandsOverAndOpensNoWindow", SenderEnv({level})), 0) << output.constData();
    EXPECT_EQ(g.Playlist, (std::vector<std::string>{QFile::encodeName(level).toStdString()}));
}

// A client in this same process, driven without blocking, so the receiver keeps running.
class RawClient {
public:
    explicit RawClient(const QString& server)
    {
        socket.connectToServer(server);
        connected = QTest::qWaitFor([&] { return socket.state() == QLocalSocket::ConnectedState; }, ChildFailsafeMs);
    }

    // Sends bytes and waits for a one-byte answer or the end of the connection.
    char Exchange(const QByteArray& bytes)
    {
        socket.write(bytes);
        (void)QTest::qWaitFor([&] { return socket.bytesAvailable() > 0 || socket.state() != QLocalSocket::ConnectedState; },
                        ChildFailsafeMs);
        char answer = 0;
        return socket.getChar(&answer) ? answer : 0;
    }

    bool Closed()
    {
        return QTest::qWaitFor([&] { return socket.state() == QLocalSocket::UnconnectedState; }, ChildFailsafeMs);
    }

    QLocalSocket socket;
    bool connected = false;
};

// A file name is bytes: one in Windows-1252 (0xE9) or cut off inside a UTF-8 sequence arrives as
// it was sent, and a relative one is completed against the sender's folder byte for byte.
TEST_F(HandOver, NamesThatAreNotUtf8ArriveUnchanged)
{
    QByteArrayList received;
    w4::SingleInstance running(server);
    ASSERT_TRUE(running.Start({}));
    QObject::connect(&running, &w4::SingleInstance::fileHandedOver, [&](const QByteArray& path) { received << path; });

    RawClient client(server);
    ASSERT_TRUE(client.connected);
    EXPECT_EQ(client.Exchange(Frame('F', "/levels/\xff\xfe.xsb")), 'A');
    EXPECT_EQ(client.Exchange(Frame('F', "/levels/\xc3")), 'A');

    const QByteArray folder = QFile::encodeName(dir.path());
    const QByteArray name = "caf\xe9.xsb";
    {
        std::ofstream(std::string(folder.constData()) + "/" + name.constData()) << "#####\n#@$.#\n#####\n";
    }
    EXPECT_EQ(RunChild("SenderHandsOverAndOpensNoWindow", SenderEnv(QByteArrayList{name})), 0) << output.constData();
    EXPECT_EQ(received, (QByteArrayList{"/levels/\xff\xfe.xsb", "/levels/\xc3", folder + "/" + name}));
}

TEST_F(HandOver, MalformedMessagesAreIgnoredAndTheConnectionGoesOn)
{
    QByteArrayList received;
    w4::SingleInstance running(server);
    ASSERT_TRUE(running.Start({}));
    QObject::connect(&running, &w4::SingleInstance::fileHandedOver, [&](const QByteArray& path) { received << path; });

    struct Case {
        const char* what;
        QByteArray frame;
    };
    const Case cases[] = {
        {"empty path", Frame('F', {})},
        {"NUL inside", Frame('F', QByteArray("/a\0b.xsb", 8))},
        {"raise with a payload", Frame('R', "x")},
    };
    RawClient client(server);
    ASSERT_TRUE(client.connected);
    for (const Case& c : cases) {
        EXPECT_EQ(client.Exchange(c.frame), 'N') << c.what;
        EXPECT_EQ(client.Exchange(Frame('F', "/levels/good.xsb")), 'A') << "after " << c.what;
    }
    EXPECT_EQ(received.size(), static_cast<qsizetype>(std::size(cases)));
    for (const QByteArray& path : received)
        EXPECT_EQ(path, "/levels/good.xsb");
}

TEST_F(HandOver, UnframeableMessagesEndTheConnectionButNotTheServer)
{
    QByteArrayList received;
    w4::SingleInstance running(server);
    ASSERT_TRUE(running.Start({}));
    QObject::connect(&running, &w4::SingleInstance::fileHandedOver, [&](const QByteArray& path) { received << path; });

    struct Case {
        const char* what;
        QByteArray frame;
    };
    const Case cases[] = {
        {"longer than any path", Frame('F', "/x.xsb", 1u << 20)},
        {"length at the 32-bit limit", Frame('F', {}, 0xffffffffu)},
        {"unknown kind", Frame('Z', "/x.xsb")},
        {"just over 64 KiB", Frame('F', QByteArray(w4::SingleInstance::MaxMessageBytes + 1, 'a'))},
    };
    for (const Case& c : cases) {
        RawClient bad(server);
        ASSERT_TRUE(bad.connected) << c.what;
        bad.Exchange(c.frame);
        EXPECT_TRUE(bad.Closed()) << c.what;

        RawClient good(server);
        ASSERT_TRUE(good.connected) << "after " << c.what;
        EXPECT_EQ(good.Exchange(Frame('F', "/levels/next.xsb")), 'A') << "after " << c.what;
    }
    EXPECT_EQ(received.size(), static_cast<qsizetype>(std::size(cases)));

    // The largest path accepted still gets through.
    RawClient big(server);
    EXPECT_EQ(big.Exchange(Frame('F', "/" + QByteArray(w4::SingleInstance::MaxMessageBytes - 1, 'a'))), 'A');
}

TEST_F(HandOver, SilentClientIsDroppedWhileOthersAreServed)
{
    int received = 0;
    w4::SingleInstance running(server);
    running.SetReadTimeout(100);
    ASSERT_TRUE(running.Start({}));
    QObject::connect(&running, &w4::SingleInstance::fileHandedOver, [&] { ++received; });

    RawClient silent(server);
    ASSERT_TRUE(silent.connected);
    silent.socket.write(QByteArray("F\0", 2));   // half a header, then nothing

    RawClient other(server);
    EXPECT_EQ(other.Exchange(Frame('F', "/levels/a.xsb")), 'A');
    EXPECT_EQ(received, 1);
    EXPECT_TRUE(silent.Closed());
}

TEST(SingleInstanceName, PerUserAndDisplayWithSafeCharacters)
{
    struct Case {
        unsigned user;
        const char* display;
        const char* name;
    };
    const Case cases[] = {
        {1000, ":0", "warehaus4-1000-_0"},
        {1000, ":1.0", "warehaus4-1000-_1.0"},
        {0, "wayland-0", "warehaus4-0-wayland-0"},
        {1000, "", "warehaus4-1000-none"},
        {1000, "../../etc/x", "warehaus4-1000-.._.._etc_x"},
        {1000, "host name:10", "warehaus4-1000-host_name_10"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(w4::SingleInstanceName(c.user, QString::fromUtf8(c.display)), QLatin1String(c.name)) << c.display;

    const QString longName = w4::SingleInstanceName(1000, QString(500, u'x'));
    EXPECT_LT(longName.size(), 60);
    EXPECT_FALSE(w4::SingleInstanceName(1000, QStringLiteral("/tmp/evil")).contains(u'/'));
}

TEST(BringToFront, RestoresAMinimisedWindowToItsFormerState)
{
    EnsureApplication();
    QWidget maximised;
    maximised.show();
    maximised.setWindowState(Qt::WindowMaximized | Qt::WindowMinimized);
    w4::BringToFront(&maximised);
    EXPECT_FALSE(maximised.windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(maximised.windowState() & Qt::WindowMaximized);

    QWidget hidden;
    w4::BringToFront(&hidden);
    EXPECT_TRUE(hidden.isVisible());
    w4::BringToFront(nullptr);   // no window yet: nothing to do
}

} // namespace
