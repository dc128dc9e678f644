#pragma once

#include <QCborArray>
#include <QCborValue>
#include <QString>
#include <QTcpSocket>

#include <optional>

#include "protocol/dataset.h"
#include "protocol/frame.h"
#include "protocol/message.h"

// A small synchronous client of ticketd for tests: one call at a time, each waiting for its reply.
class WireClient {
  public:
    static constexpr int kReplyTimeoutMs = 30000;

    bool connectTo(const QString& host, quint16 port);
    void disconnect();

    wire::Reply call(const QString& method, const QCborArray& arguments = {});
    // Writes bytes as they are, for frames no well-behaved client would send.
    void sendRaw(const QByteArray& bytes);
    // The next reply, or a failure with code Internal when none came in time or the line closed.
    wire::Reply readReply();

    bool login(const QString& code, const QString& password);
    // A statement through ExeSql1; the rows affected, or -1 when the server refused it.
    qint64 execute(const QString& statement);
    // A command-text provider's rows; nothing when the server refused the statement.
    std::optional<wire::DataSet> query(const QString& statement);
    // The reply text of one Send_Get_Data.
    QString relay(const QString& text);

  private:
    QTcpSocket socket_;
    wire::FrameReader reader_;
    qint64 nextId_ = 1;
};
