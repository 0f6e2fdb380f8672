#include "app/desktop/singleinstance.h"

#include "app/desktop/handover.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

#include <QtEndian>

#include <unistd.h>

namespace w4 {

namespace {

// Message kinds. Anything else is not ours and ends the connection.
constexpr char KindFile = 'F';
constexpr char KindRaise = 'R';
// Answers: handled, or ignored as malformed.
constexpr char AnswerDone = 'A';
constexpr char AnswerIgnored = 'N';

constexpr int HeaderBytes = 5;             // kind + 32-bit big-endian length
constexpr int MaxPeers = 16;               // more at once is not a person double-clicking files
constexpr int ConnectTimeoutMs = 3000;
constexpr int WriteTimeoutMs = 5000;
// A running window may be slow to load a large level or busy in a dialog; a later start waits
// this long for each answer before it gives up (it still opens no window of its own).
constexpr int AnswerTimeoutMs = 60000;
constexpr int LockTimeoutMs = 10000;
constexpr int MaxDisplayChars = 32;

QByteArray Frame(char kind, const QByteArray& payload)
{
    QByteArray frame;
    frame.reserve(HeaderBytes + payload.size());
    frame.append(kind);
    char length[4];
    qToBigEndian(static_cast<quint32>(payload.size()), length);
    frame.append(length, 4);
    frame.append(payload);
    return frame;
}

// Any bytes but NUL may name a file; the encoding is the file system's, not ours to check.
bool IsWellFormedPath(const QByteArray& payload)
{
    return !payload.isEmpty() && payload.size() <= SingleInstance::MaxMessageBytes && !payload.contains('\0');
}

// Sends one message and waits for its answer. False when the other side went away or is stuck.
bool Send(QLocalSocket& socket, char kind, const QByteArray& payload)
{
    socket.write(Frame(kind, payload));
    if (!socket.waitForBytesWritten(WriteTimeoutMs) && socket.bytesToWrite() > 0)
        return false;
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(AnswerTimeoutMs))
            return false;
    char answer = 0;
    return socket.getChar(&answer);
}

} // namespace

struct SingleInstance::Peer {
    QByteArray buffer;
    QTimer* silence = nullptr;   // owned by the socket
    bool busy = false;
};

QString SingleInstanceName(unsigned userId, const QString& display)
{
    QString safe;
    for (const QChar c : display.left(MaxDisplayChars)) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')
                           || c == u'-' || c == u'.';
        safe.append(plain ? c : QChar(u'_'));
    }
    if (safe.isEmpty())
        safe = QStringLiteral("none");
    return QStringLiteral("warehaus4-%1-%2").arg(userId).arg(safe);
}

QString SingleInstanceServerPath()
{
    // Wayland first: under XWayland both are set, and the desktop is the Wayland session.
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    // The runtime folder is private to the user (mode 700), so no one else can plant a socket.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QLatin1Char('/') + SingleInstanceName(static_cast<unsigned>(::getuid()), display);
}

void BringToFront(QWidget* window)
{
    if (window == nullptr)
        return;
    const Qt::WindowStates state = window->windowState();
    if (state & Qt::WindowMinimized)
        window->setWindowState((state & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}

SingleInstance::SingleInstance(QString serverPath, QObject* parent)
    : QObject(parent), serverPath_(std::move(serverPath))
{
}

SingleInstance::~SingleInstance()
{
    // The sockets are children of the server; forget them before it takes them down.
    for (auto& [socket, peer] : peers_)
        socket->disconnect(this);
    peers_.clear();
}

bool SingleInstance::Start(const QByteArrayList& arguments)
{
    // Two starts at the same moment must not both find no one and then remove each other's
    // socket: the check and the listen happen under one lock. It is held for moments only, so
    // QLockFile's own rule (a dead owner, or 30 seconds) clears one left by a killed start.
    QLockFile lock(serverPath_ + QStringLiteral(".lock"));
    const bool locked = lock.tryLock(LockTimeoutMs);

    QLocalSocket socket;
    socket.connectToServer(serverPath_);
    if (socket.waitForConnected(ConnectTimeoutMs)) {
        if (locked)
            lock.unlock();
        HandOver(socket, arguments);
        return false;
    }
    Listen();
    return true;
}

void SingleInstance::HandOver(QLocalSocket& socket, const QByteArrayList& arguments)
{
    for (const QByteArray& argument : arguments) {
        if (argument.isEmpty())
            continue;
        // The running window may work in another folder: send what the argument names here.
        const QByteArray path = QByteArray::fromStdString(PlaylistPath(argument));
        if (path.size() > MaxMessageBytes)
            continue;
        if (!Send(socket, KindFile, path))
            return;   // gone or stuck: still no second window
    }
    Send(socket, KindRaise, {});
    socket.disconnectFromServer();
}

bool SingleInstance::Listen()
{
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_.get(), &QLocalServer::newConnection, this, &SingleInstance::Accept);
    if (server_->listen(serverPath_))
        return true;
    // No one answered, so whatever holds the name is a socket file left by a killed instance.
    if (server_->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(serverPath_);
        if (server_->listen(serverPath_))
            return true;
    }
    // The window runs all the same, only without receiving later starts.
    server_.reset();
    return false;
}

bool SingleInstance::IsListening() const
{
    return server_ && server_->isListening();
}

void SingleInstance::Accept()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        if (static_cast<int>(peers_.size()) >= MaxPeers) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto peer = std::make_unique<Peer>();
        peer->silence = new QTimer(socket);
        peer->silence->setSingleShot(true);
        peer->silence->setInterval(readTimeout_);
        connect(peer->silence, &QTimer::timeout, this, [this, socket] { Drop(socket); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Serve(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { Drop(socket); });
        peer->silence->start();
        peers_[socket] = std::move(peer);
        Serve(socket);
    }
}

void SingleInstance::Drop(QLocalSocket* socket)
{
    const auto found = peers_.find(socket);
    if (found == peers_.end())
        return;
    // A handler running for this peer finds it gone afterwards and sends no answer.
    found->second->silence->stop();
    found->second->silence->disconnect(this);
    socket->disconnect(this);
    peers_.erase(found);
    socket->abort();
    socket->deleteLater();
}

void SingleInstance::Serve(QLocalSocket* socket)
{
    QPointer<QLocalSocket> alive(socket);
    for (;;) {
        const auto found = peers_.find(socket);
        if (found == peers_.end() || !alive)
            return;
        Peer& peer = *found->second;
        if (peer.busy)
            return;   // re-entered from a dialog's event loop inside the handler
        const QByteArray arrived = socket->readAll();
        if (!arrived.isEmpty()) {
            peer.buffer.append(arrived);
            peer.silence->start();   // silence counts from the last byte heard
        }
        if (peer.buffer.size() < HeaderBytes)
            return;

        const char kind = peer.buffer.at(0);
        const quint32 length = qFromBigEndian<quint32>(peer.buffer.constData() + 1);
        if ((kind != KindFile && kind != KindRaise) || length > static_cast<quint32>(MaxMessageBytes)) {
            // Not ours, or too long to be a path: there is no way to find the next message.
            socket->putChar(AnswerIgnored);
            socket->flush();
            Drop(socket);
            return;
        }
        if (peer.buffer.size() < HeaderBytes + static_cast<qsizetype>(length))
            return;
        const QByteArray payload = peer.buffer.mid(HeaderBytes, static_cast<qsizetype>(length));
        peer.buffer.remove(0, HeaderBytes + static_cast<qsizetype>(length));

        peer.busy = true;
        peer.silence->stop();
        // Should the handler throw (the window's error handler reports it), the sender must not
        // wait for an answer that never comes: its connection is dropped on the way out.
        struct DropOnThrow {
            SingleInstance* self;
            QPointer<QLocalSocket> socket;
            bool armed = true;
            ~DropOnThrow()
            {
                if (armed && socket)
                    self->Drop(socket);
            }
        } guard{this, alive};
        const bool handled = Handle(kind, payload);
        guard.armed = false;

        // The handler may have run an event loop in which this connection went away.
        const auto after = peers_.find(socket);
        if (after == peers_.end() || !alive)
            return;
        after->second->busy = false;
        socket->putChar(handled ? AnswerDone : AnswerIgnored);
        socket->flush();
        after->second->silence->start();
    }
}

bool SingleInstance::Handle(char kind, const QByteArray& payload)
{
    if (kind == KindRaise) {
        if (!payload.isEmpty())
            return false;
        emit raiseRequested();
        return true;
    }
    if (!IsWellFormedPath(payload))
        return false;
    emit fileHandedOver(payload);
    return true;
}

} // namespace w4
