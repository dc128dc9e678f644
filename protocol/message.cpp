#include "protocol/message.h"

namespace wire {

namespace {

const QString kId = QStringLiteral("id");
const QString kMethod = QStringLiteral("m");
const QString kArgs = QStringLiteral("a");
const QString kOk = QStringLiteral("ok");
const QString kResult = QStringLiteral("r");
const QString kError = QStringLiteral("e");
const QString kCode = QStringLiteral("c");

}  // namespace

QCborMap Request::toCbor() const {
    QCborMap map;
    map.insert(kId, id);
    map.insert(kMethod, method);
    map.insert(kArgs, args);
    return map;
}

std::optional<Request> Request::fromCbor(const QCborMap& map) {
    const QCborValue id = map.value(kId);
    const QCborValue method = map.value(kMethod);
    const QCborValue args = map.value(kArgs);
    if (!id.isInteger() || !method.isString() || !(args.isArray() || args.isUndefined())) return std::nullopt;
    return Request{id.toInteger(), method.toString(), args.toArray()};
}

Reply Reply::success(qint64 id, QCborValue result) {
    Reply reply;
    reply.id = id;
    reply.ok = true;
    reply.result = std::move(result);
    return reply;
}

Reply Reply::failure(qint64 id, ErrorCode code, QString message) {
    Reply reply;
    reply.id = id;
    reply.ok = false;
    reply.code = code;
    reply.error = std::move(message);
    return reply;
}

QCborMap Reply::toCbor() const {
    QCborMap map;
    map.insert(kId, id);
    map.insert(kOk, ok);
    if (ok) {
        map.insert(kResult, result);
    } else {
        map.insert(kError, error);
        map.insert(kCode, static_cast<int>(code));
    }
    return map;
}

std::optional<Reply> Reply::fromCbor(const QCborMap& map) {
    const QCborValue id = map.value(kId);
    const QCborValue ok = map.value(kOk);
    if (!id.isInteger() || !ok.isBool()) return std::nullopt;
    if (ok.toBool()) return success(id.toInteger(), map.value(kResult));
    return failure(id.toInteger(), static_cast<ErrorCode>(map.value(kCode).toInteger(static_cast<int>(ErrorCode::Internal))),
                   map.value(kError).toString());
}

}  // namespace wire
