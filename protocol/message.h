#pragma once

#include <QCborArray>
#include <QCborMap>
#include <QCborValue>
#include <QString>
#include <optional>

// Requests and replies on the wire: {id, m: method, a: [args]} and {id, ok, r: result} or
// {id, ok: false, e: message, c: code}.
namespace wire {

enum class ErrorCode : int {
    Malformed = 1,        // a frame that is not a request
    UnknownMethod = 2,
    BadArguments = 3,
    StatementFailed = 4,  // the engine refused a statement; the message is the engine's
    NotLoggedIn = 5,
    LoginRefused = 6,
    FrameTooLarge = 7,
    Internal = 8,
};

struct Request {
    qint64 id = 0;
    QString method;
    QCborArray args;

    QCborMap toCbor() const;
    // Nothing when the map is not a well-formed request.
    static std::optional<Request> fromCbor(const QCborMap& map);
};

struct Reply {
    qint64 id = 0;
    bool ok = true;
    QCborValue result;
    QString error;
    ErrorCode code = ErrorCode::Internal;

    static Reply success(qint64 id, QCborValue result);
    static Reply failure(qint64 id, ErrorCode code, QString message);
    QCborMap toCbor() const;
    static std::optional<Reply> fromCbor(const QCborMap& map);
};

}  // namespace wire
