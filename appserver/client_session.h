#pragma once

#include <QObject>
#include <QTimer>

#include "appserver/server_context.h"
#include "appserver/session_state.h"
#include "protocol/frame.h"
#include "protocol/message.h"

class QTcpSocket;

// One workstation's connection, living in a thread of its own with its own database connection:
// reads request frames, runs them in order and writes the replies.
class ClientSession : public QObject {
    Q_OBJECT
  public:
    ClientSession(qintptr socketDescriptor, quint64 clientId, ServerContext& server);
    ~ClientSession() override;

  public slots:
    void start();

  signals:
    void finished();

  private:
    void readFrames();
    void answer(const wire::FrameReader::Frame& frame);
    void send(const wire::Reply& reply);
    void armLeaseTimer();
    void expireLease();
    void close();

    const qintptr socketDescriptor_;
    ServerContext& server_;
    SessionState state_;
    QTcpSocket* socket_ = nullptr;
    wire::FrameReader reader_;
    QTimer leaseTimer_;
    bool closed_ = false;
};
