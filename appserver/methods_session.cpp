#include <QDateTime>
#include <QSysInfo>

#include "appserver/methods.h"
#include "appserver/result_shape.h"
#include "appserver/statement_runner.h"

namespace methods {

QCborValue login(const MethodCall& call) {
    call.expectCount(2);
    const QString code = call.text(0);
    const QString password = call.text(1);
    engine::Connection& db = *call.session.db;
    const auto identity = operator_accounts::find(db, code);
    if (!identity || !operator_accounts::checkPassword(db, code, password)) {
        call.server.log.write(QStringLiteral("%1 #%2 login refused for %3")
                                  .arg(call.session.peer)
                                  .arg(call.session.clientId)
                                  .arg(code));
        throw MethodError(wire::ErrorCode::LoginRefused,
                          QStringLiteral("操作员代号或密码不正确 / unknown operator or wrong password"));
    }
    call.session.identity = identity;
    call.server.log.write(
        QStringLiteral("%1 #%2 logged in as %3").arg(call.session.peer).arg(call.session.clientId).arg(code));
    QCborMap result;
    result.insert(QStringLiteral("code"), identity->code);
    result.insert(QStringLiteral("name"), identity->name);
    result.insert(QStringLiteral("role"), identity->role);
    return result;
}

QCborValue operatorList(const MethodCall& call) {
    call.expectCount(0);
    const engine::Result result = statement_runner::runServerStatement(
        call, QStringLiteral("SELECT 操作员代号, 操作员姓名 FROM 操作员 ORDER BY 操作员代号"), {});
    return shapeResult(result).toCbor();
}

QCborValue checkPassword(const MethodCall& call) {
    call.expectCount(2);
    return operator_accounts::checkPassword(*call.session.db, call.text(0), call.text(1));
}

QCborValue setPassword(const MethodCall& call) {
    call.expectCount(2);
    const QString code = call.text(0);
    const operator_accounts::Identity& caller = *call.session.identity;
    if (caller.code != code && caller.role != operator_accounts::kAdministratorRole) {
        throw MethodError(
            wire::ErrorCode::BadArguments,
            QStringLiteral("只有系统管理员可以更改别人的密码 / only the administrator may set another "
                           "operator's password"));
    }
    if (!operator_accounts::setPassword(*call.session.db, code, call.text(1))) {
        throw MethodError(wire::ErrorCode::BadArguments,
                          QStringLiteral("没有这个操作员 / no operator %1").arg(code));
    }
    return true;
}

QCborValue dateTime(const MethodCall&) {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"));
}

QCborValue hostName(const MethodCall&) {
    return QSysInfo::machineHostName();
}

QCborValue databaseKind(const MethodCall&) {
    return QStringLiteral("SQL");
}

// Statements of different desks run side by side; the server has no one-at-a-time mode.
QCborValue executionMode(const MethodCall&) {
    return false;
}

QCborValue socketId(const MethodCall& call) {
    return QStringLiteral("%1#%2").arg(call.session.peer).arg(call.session.clientId);
}

}  // namespace methods
