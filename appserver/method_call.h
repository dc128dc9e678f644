#pragma once

#include <QCborArray>
#include <QCborMap>
#include <QCborValue>
#include <QString>

#include <stdexcept>

#include "appserver/server_context.h"
#include "appserver/session_state.h"
#include "protocol/message.h"

// One method call as a handler sees it. Handlers report a refusal by throwing MethodError.
struct MethodCall {
    const QCborArray& arguments;
    SessionState& session;
    ServerContext& server;

    // The argument at index, or BadArguments when it is missing or of another kind.
    QString text(qsizetype index) const;
    qint64 integer(qsizetype index) const;
    QCborArray array(qsizetype index) const;
    QCborMap map(qsizetype index) const;
    void expectCount(qsizetype count) const;
};

class MethodError : public std::runtime_error {
  public:
    MethodError(wire::ErrorCode code, const QString& message)
        : std::runtime_error(message.toStdString()), code_(code) {}
    wire::ErrorCode code() const { return code_; }

  private:
    wire::ErrorCode code_;
};
