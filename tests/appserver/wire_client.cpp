#include "tests/appserver/wire_client.h"

#include <QDeadlineTimer>

bool WireClient::connectTo(const QString& host, quint16 port) {
    socket_.connectToHost(host, port);
    return socket_.waitForConnected(kReplyTimeoutMs);
}

void WireClient::disconnect() {
    socket_.disconnectFromHost();
    if (socket_.state() != QAbstractSocket::UnconnectedState)
        socket_.waitForDisconnected(kReplyTimeoutMs);
}

wire::Reply WireClient::call(const QString& method, const QCborArray& arguments) {
    const wire::Request request{nextId_++, method, arguments};
    sendRaw(wire::encodeFrame(request.toCbor()));
    return readReply();
}

void WireClient::sendRaw(const QByteArray& bytes) {
    socket_.write(bytes);
    socket_.waitForBytesWritten(kReplyTimeoutMs);
}

wire::Reply WireClient::readReply() {
    const QDeadlineTimer deadline(kReplyTimeoutMs);
    for (;;) {
        if (const auto frame = reader_.next()) {
            if (frame->message) {
                if (const auto reply = wire::Reply::fromCbor(*frame->message))
                    return *reply;
            }
            return wire::Reply::failure(0, wire::ErrorCode::Internal, QStringLiteral("unreadable reply"));
        }
        if (deadline.hasExpired() || socket_.state() != QAbstractSocket::ConnectedState) {
            return wire::Reply::failure(0, wire::ErrorCode::Internal, QStringLiteral("no reply"));
        }
        if (socket_.waitForReadyRead(static_cast<int>(qMax<qint64>(deadline.remainingTime(), 1)))) {
            reader_.append(socket_.readAll());
        }
    }
}

bool WireClient::login(const QString& code, const QString& password) {
    return call(QStringLiteral("Login"), {code, password}).ok;
}

qint64 WireClient::execute(const QString& statement) {
    const wire::Reply reply = call(QStringLiteral("ExeSql1"), {statement});
    return reply.ok ? reply.result.toInteger() : -1;
}

std::optional<wire::DataSet> WireClient::query(const QString& statement) {
    const wire::Reply reply = call(QStringLiteral("Open"), {QStringLiteral("QueryPV"), statement});
    if (!reply.ok)
        return std::nullopt;
    return wire::DataSet::fromCbor(reply.result.toMap());
}

QString WireClient::relay(const QString& text) {
    return call(QStringLiteral("Send_Get_Data"), {text}).result.toString();
}
