#include "appserver/method_call.h"

namespace {

[[noreturn]] void badArgument(qsizetype index, const char* expected) {
    throw MethodError(
        wire::ErrorCode::BadArguments,
        QStringLiteral("参数错误 / argument %1 must be %2").arg(index + 1).arg(QLatin1String(expected)));
}

}  // namespace

QString MethodCall::text(qsizetype index) const {
    const QCborValue value = arguments.at(index);
    if (!value.isString())
        badArgument(index, "a text");
    return value.toString();
}

qint64 MethodCall::integer(qsizetype index) const {
    const QCborValue value = arguments.at(index);
    if (value.isInteger())
        return value.toInteger();
    if (value.isBool())
        return value.toBool() ? 1 : 0;
    if (value.isString()) {
        bool ok = false;
        const qint64 number = value.toString().trimmed().toLongLong(&ok);
        if (ok)
            return number;
    }
    badArgument(index, "a whole number");
}

QCborArray MethodCall::array(qsizetype index) const {
    const QCborValue value = arguments.at(index);
    if (!value.isArray())
        badArgument(index, "an array");
    return value.toArray();
}

QCborMap MethodCall::map(qsizetype index) const {
    const QCborValue value = arguments.at(index);
    if (!value.isMap())
        badArgument(index, "a map");
    return value.toMap();
}

void MethodCall::expectCount(qsizetype count) const {
    if (arguments.size() != count) {
        throw MethodError(wire::ErrorCode::BadArguments,
                          QStringLiteral("参数个数错误 / %1 arguments expected, %2 given")
                              .arg(count)
                              .arg(arguments.size()));
    }
}
