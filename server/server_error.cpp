#include "server/server_error.h"

ServerError::ServerError(Kind kind, wire::ErrorCode code, const QString& message)
    : std::runtime_error(message.toStdString()), kind_(kind), code_(code), message_(message) {}

ServerError ServerError::refused(wire::ErrorCode code, const QString& message) {
    return ServerError(Kind::Refused, code, message);
}

ServerError ServerError::connectionLost(const QString& message) {
    return ServerError(Kind::ConnectionLost, wire::ErrorCode::Internal, message);
}

ServerError ServerError::timedOut(const QString& message) {
    return ServerError(Kind::TimedOut, wire::ErrorCode::Internal, message);
}
