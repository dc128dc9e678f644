#include "appserver/listener.h"

#include <QTcpSocket>
#include <QThread>

#include "appserver/client_session.h"
#include "protocol/frame.h"
#include "protocol/message.h"

Listener::Listener(ServerContext& server, int maxConnections, QObject* parent)
    : QTcpServer(parent), server_(server), maxConnections_(maxConnections) {}

void Listener::incomingConnection(qintptr socketDescriptor) {
    if (activeSessions_ >= maxConnections_) {
        refuse(socketDescriptor);
        return;
    }
    auto* thread = new QThread(this);
    auto* session = new ClientSession(socketDescriptor, ++nextClientId_, server_);
    session->moveToThread(thread);
    connect(thread, &QThread::started, session, &ClientSession::start);
    connect(session, &ClientSession::finished, thread, &QThread::quit);
    connect(thread, &QThread::finished, session, &QObject::deleteLater);
    connect(thread, &QThread::finished, this, [this, thread] {
        --activeSessions_;
        thread->deleteLater();
    });
    ++activeSessions_;
    thread->start();
}

void Listener::refuse(qintptr socketDescriptor) {
    QTcpSocket socket;
    if (!socket.setSocketDescriptor(socketDescriptor))
        return;
    server_.log.write(QStringLiteral("%1 refused: %2 connections are open")
                          .arg(socket.peerAddress().toString())
                          .arg(activeSessions_));
    socket.write(wire::encodeFrame(
        wire::Reply::failure(0, wire::ErrorCode::Internal,
                             QStringLiteral("服务器连接已满 / the server has no room for another connection"))
            .toCbor()));
    socket.waitForBytesWritten(1000);
    socket.disconnectFromHost();
}
