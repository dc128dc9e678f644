#include "appserver/client_session.h"

#include <QDate>
#include <QTcpSocket>

#include <chrono>

#include "appserver/method_table.h"

ClientSession::ClientSession(qintptr socketDescriptor, quint64 clientId, ServerContext& server)
    : socketDescriptor_(socketDescriptor), server_(server), leaseTimer_(this) {
    state_.clientId = clientId;
    leaseTimer_.setSingleShot(true);
    connect(&leaseTimer_, &QTimer::timeout, this, &ClientSession::expireLease);
}

ClientSession::~ClientSession() {
    close();
}

void ClientSession::start() {
    socket_ = new QTcpSocket(this);
    if (!socket_->setSocketDescriptor(socketDescriptor_)) {
        emit finished();
        return;
    }
    // A desk whose machine vanished without closing the line is noticed in time and leaves the
    // on-line list.
    socket_->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    state_.peer = QStringLiteral("%1:%2").arg(socket_->peerAddress().toString()).arg(socket_->peerPort());
    try {
        state_.db = server_.engine.connect();
        operator_accounts::prepareConnection(*state_.db);
    } catch (const std::exception& error) {
        server_.log.write(QStringLiteral("%1 #%2 refused: no database connection: %3")
                              .arg(state_.peer)
                              .arg(state_.clientId)
                              .arg(QString::fromUtf8(error.what())));
        socket_->abort();
        emit finished();
        return;
    }
    state_.group = std::make_unique<LockedGroup>(server_.locks, *state_.db, state_.clientId);
    server_.relay.connect(state_.clientId);
    server_.log.write(QStringLiteral("%1 #%2 connected").arg(state_.peer).arg(state_.clientId));
    connect(socket_, &QTcpSocket::readyRead, this, &ClientSession::readFrames);
    connect(socket_, &QTcpSocket::disconnected, this, [this] {
        close();
        emit finished();
    });
    readFrames();
}

void ClientSession::readFrames() {
    reader_.append(socket_->readAll());
    while (const auto frame = reader_.next())
        answer(*frame);
    armLeaseTimer();
}

void ClientSession::answer(const wire::FrameReader::Frame& frame) {
    if (!frame.message) {
        send(wire::Reply::failure(
            0, frame.tooLarge ? wire::ErrorCode::FrameTooLarge : wire::ErrorCode::Malformed,
            QStringLiteral("无法识别的请求 / refused frame: ") + frame.error));
        return;
    }
    const auto request = wire::Request::fromCbor(*frame.message);
    if (!request) {
        const QCborValue id = frame.message->value(QStringLiteral("id"));
        send(wire::Reply::failure(id.isInteger() ? id.toInteger() : 0, wire::ErrorCode::Malformed,
                                  QStringLiteral("无法识别的请求 / a request is {id, m, a}")));
        return;
    }
    state_.group->expireIfDue();
    server_.dayChange.beforeRequest(*state_.db, server_.translation, server_.log, QDate::currentDate());
    send(dispatchRequest(*request, state_, server_));
}

void ClientSession::send(const wire::Reply& reply) {
    socket_->write(wire::encodeFrame(reply.toCbor()));
}

void ClientSession::armLeaseTimer() {
    const auto leaseEnd = state_.group ? state_.group->leaseEnd() : std::nullopt;
    if (!leaseEnd) {
        leaseTimer_.stop();
        return;
    }
    const auto remaining =
        std::chrono::duration_cast<std::chrono::milliseconds>(*leaseEnd - LockTable::Clock::now()).count();
    leaseTimer_.start(static_cast<int>(std::max<qint64>(remaining, 0)) + 1);
}

void ClientSession::expireLease() {
    if (state_.group && state_.group->expireIfDue()) {
        server_.log.write(QStringLiteral("%1 #%2 lock lease ran out; its statements were rolled back")
                              .arg(state_.peer)
                              .arg(state_.clientId));
    }
    armLeaseTimer();
}

void ClientSession::close() {
    if (closed_ || !state_.db)
        return;
    closed_ = true;
    leaseTimer_.stop();
    state_.group.reset();
    server_.locks.releaseAll(state_.clientId);
    server_.relay.disconnect(state_.clientId);
    server_.log.write(QStringLiteral("%1 #%2 disconnected").arg(state_.peer).arg(state_.clientId));
}
