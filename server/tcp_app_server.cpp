#include "server/tcp_app_server.h"

#include <QDeadlineTimer>

#include "protocol/message.h"
#include "server/server_error.h"

TcpAppServer::TcpAppServer(QObject* parent) : QObject(parent) {}

QString TcpAppServer::peerName() const {
    return QStringLiteral("%1:%2").arg(host_).arg(port_);
}

void TcpAppServer::connectTo(const QString& host, quint16 port) {
    disconnectFromServer();
    host_ = host;
    port_ = port;
    ensureConnected();
}

void TcpAppServer::disconnectFromServer() {
    socket_.abort();
    reader_ = wire::FrameReader();
    connectionOpen_ = false;
}

bool TcpAppServer::isConnected() const {
    return socket_.state() == QAbstractSocket::ConnectedState;
}

void TcpAppServer::ensureConnected() {
    if (isConnected())
        return;
    if (host_.isEmpty())
        throw ServerError::connectionLost(QStringLiteral("no server chosen"));
    disconnectFromServer();
    socket_.connectToHost(host_, port_);
    if (!socket_.waitForConnected(static_cast<int>(timeout_.count()))) {
        const QString why = socket_.errorString();
        socket_.abort();
        throw ServerError::connectionLost(QStringLiteral("cannot reach %1: %2").arg(peerName(), why));
    }
    connectionOpen_ = true;
    emit connected();
}

void TcpAppServer::dropAndThrowLost(const QString& why) {
    disconnectFromServer();
    throw ServerError::connectionLost(QStringLiteral("connection to %1 lost: %2").arg(peerName(), why));
}

// A connection that closed since the last call (noticed by the event loop, or now by polling the
// socket) is reported before anything is sent, so the caller knows the request did not go out and
// that the server's session, with its login and locks, is gone.
void TcpAppServer::throwIfDropped() {
    if (isConnected() && socket_.waitForReadyRead(0))
        reader_.append(socket_.readAll());
    if (connectionOpen_ && !isConnected())
        dropAndThrowLost(QStringLiteral("the connection was closed"));
}

wire::FrameReader::Frame TcpAppServer::awaitFrame(const QString& method, const QDeadlineTimer& deadline) {
    for (;;) {
        if (auto frame = reader_.next())
            return *std::move(frame);
        if (deadline.hasExpired()) {
            disconnectFromServer();
            throw ServerError::timedOut(QStringLiteral("%1 got no reply from %2 within %3 ms")
                                            .arg(method, peerName())
                                            .arg(timeout_.count()));
        }
        if (socket_.waitForReadyRead(static_cast<int>(qMax<qint64>(deadline.remainingTime(), 1)))) {
            reader_.append(socket_.readAll());
        } else if (!isConnected()) {
            dropAndThrowLost(socket_.errorString());
        }
    }
}

QCborValue TcpAppServer::call(const QString& method, const QCborArray& args) {
    throwIfDropped();
    ensureConnected();
    const QDeadlineTimer deadline(timeout_);
    const wire::Request request{++lastRequestId_, method, args};
    socket_.write(wire::encodeFrame(request.toCbor()));
    while (socket_.bytesToWrite() > 0) {
        if (!socket_.waitForBytesWritten(static_cast<int>(qMax<qint64>(deadline.remainingTime(), 1)))) {
            if (!isConnected())
                dropAndThrowLost(socket_.errorString());
            if (deadline.hasExpired()) {
                disconnectFromServer();
                throw ServerError::timedOut(
                    QStringLiteral("%1 could not be sent to %2").arg(method, peerName()));
            }
        }
    }
    for (;;) {
        const wire::FrameReader::Frame frame = awaitFrame(method, deadline);
        if (!frame.message)
            dropAndThrowLost(frame.error);
        const auto reply = wire::Reply::fromCbor(*frame.message);
        if (!reply)
            dropAndThrowLost(QStringLiteral("a frame that is not a reply"));
        if (reply->id != request.id)
            continue;
        if (!reply->ok)
            throw ServerError::refused(reply->code, reply->error);
        return reply->result;
    }
}
