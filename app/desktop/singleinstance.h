#pragma once
// One running window per user and desktop. A later start connects to the running window's local
// socket, hands over its arguments one message each, waits for every message to be handled, asks
// the window to come to the front and exits. Messages carry one argument, the file name's bytes as
// they are (a name need not be UTF-8), behind a kind byte and a 32-bit length; each is answered
// with one byte once the window has dealt with it.

#include <QByteArrayList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QWidget;

namespace w4 {

// "warehaus4-<user id>-<display>", the display reduced to characters that are safe in a file
// name and kept short, since the whole socket path must fit in about a hundred bytes.
QString SingleInstanceName(unsigned userId, const QString& display);

// The socket for this user and desktop, in the user's private runtime folder.
QString SingleInstanceServerPath();

// Restores a minimised window and brings it to the front of the desktop.
void BringToFront(QWidget* window);

class SingleInstance : public QObject {
    Q_OBJECT

public:
    // Largest argument accepted, in bytes; anything longer is not a path.
    static constexpr int MaxMessageBytes = 64 * 1024;

    explicit SingleInstance(QString serverPath = SingleInstanceServerPath(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // The start-up decision. When another instance answers, the arguments go to it and the result
    // is false: the caller exits without a window. Otherwise this instance starts serving and the
    // result is true. A socket left by a killed instance is removed on the way.
    // The arguments are the command line's bytes.
    bool Start(const QByteArrayList& arguments);

    bool IsListening() const;
    const QString& ServerPath() const { return serverPath_; }

    // A connection that stays silent this long while the window waits for it is dropped.
    void SetReadTimeout(int milliseconds) { readTimeout_ = milliseconds; }

signals:
    // One argument of a later start. The answer goes back once the connected slots have returned,
    // so connect the handler directly: append, load and draw inside it.
    void fileHandedOver(const QByteArray& path);
    // A later start has delivered all it had; the window should come to the front.
    void raiseRequested();

private:
    struct Peer;

    void HandOver(QLocalSocket& socket, const QByteArrayList& arguments);
    bool Listen();
    void Accept();
    void Serve(QLocalSocket* socket);
    void Drop(QLocalSocket* socket);
    bool Handle(char kind, const QByteArray& payload);

    QString serverPath_;
    int readTimeout_ = 5000;
    std::unique_ptr<QLocalServer> server_;
    std::map<QLocalSocket*, std::unique_ptr<Peer>> peers_;
};

} // namespace w4
