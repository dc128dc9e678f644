#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QTcpSocket>
#include <chrono>

#include "protocol/frame.h"
#include "server/app_server.h"

// The application server over TCP. Calls block until the reply with the same request id arrives
// or the timeout passes. A call that finds the connection dropped throws a connection-lost
// ServerError; the call after it connects again and emits connected(). A timeout also drops the
// connection, so a late reply can never be taken for the answer to a later call.
class TcpAppServer : public QObject, public AppServer {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{15000};

    explicit TcpAppServer(QObject* parent = nullptr);

    // Connects to host:port (throws when it cannot) and remembers them for later reconnects.
    void connectTo(const QString& host, quint16 port);
    void disconnectFromServer();
    bool isConnected() const;

    void setTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }
    std::chrono::milliseconds timeout() const { return timeout_; }
    const QString& host() const { return host_; }
    quint16 port() const { return port_; }

    QCborValue call(const QString& method, const QCborArray& args) override;

signals:
    // A connection was made, the first one or a reconnect after a drop.
    void connected();

private:
    void ensureConnected();
    void throwIfDropped();
    wire::FrameReader::Frame awaitFrame(const QString& method, const QDeadlineTimer& deadline);
    [[noreturn]] void dropAndThrowLost(const QString& why);
    QString peerName() const;

    QTcpSocket socket_;
    wire::FrameReader reader_;
    QString host_;
    quint16 port_ = 0;
    qint64 lastRequestId_ = 0;
    bool connectionOpen_ = false;  // connected, and no drop reported since
    std::chrono::milliseconds timeout_ = kDefaultTimeout;
};
