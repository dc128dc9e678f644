#pragma once

#include <QTcpServer>

#include <atomic>

#include "appserver/server_context.h"

// Accepts workstations and gives each a session thread, up to a bound.
class Listener : public QTcpServer {
    Q_OBJECT
  public:
    Listener(ServerContext& server, int maxConnections, QObject* parent = nullptr);

  protected:
    void incomingConnection(qintptr socketDescriptor) override;

  private:
    void refuse(qintptr socketDescriptor);

    ServerContext& server_;
    const int maxConnections_;
    int activeSessions_ = 0;  // touched only by this object's thread
    quint64 nextClientId_ = 0;
};
