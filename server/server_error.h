#pragma once

#include <QString>
#include <stdexcept>

#include "protocol/message.h"

// Why a call to the application server failed. A refusal comes from the server itself and carries
// its message and code; a lost connection or a timeout means the server could not be asked, and a
// caller that has more than one server may try the next one.
class ServerError : public std::runtime_error {
public:
    enum class Kind { Refused, ConnectionLost, TimedOut };

    static ServerError refused(wire::ErrorCode code, const QString& message);
    static ServerError connectionLost(const QString& message);
    static ServerError timedOut(const QString& message);

    Kind kind() const { return kind_; }
    // Lost or timed out: the connection is gone and the next call connects again.
    bool isConnectionFailure() const { return kind_ != Kind::Refused; }
    // Meaningful for a refusal only.
    wire::ErrorCode code() const { return code_; }
    const QString& message() const { return message_; }

private:
    ServerError(Kind kind, wire::ErrorCode code, const QString& message);

    Kind kind_;
    wire::ErrorCode code_;
    QString message_;
};
