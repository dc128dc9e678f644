#include "appserver/methods.h"
#include "appserver/operator_accounts.h"
#include "appserver/providers.h"
#include "appserver/quoted_identifier.h"
#include "appserver/result_shape.h"
#include "appserver/statement_runner.h"

namespace methods {

namespace {

bool isPrivateTable(const QString& name) {
    return name.startsWith(operator_accounts::kPrivatePrefix, Qt::CaseInsensitive);
}

}  // namespace

QCborValue executeStatement(const MethodCall& call) {
    call.expectCount(1);
    return statement_runner::runClientStatement(call, call.text(0)).rowsAffected;
}

QCborValue executeBatch(const MethodCall& call) {
    call.expectCount(1);
    const QCborArray statements = call.array(0);
    for (const QCborValue& statement : statements) {
        if (!statement.isString()) {
            throw MethodError(wire::ErrorCode::BadArguments,
                              QStringLiteral("参数错误 / every statement must be a text"));
        }
    }
    return statement_runner::runAtomically(call, [&] {
        qint64 total = 0;
        for (const QCborValue& statement : statements) {
            total += statement_runner::runClientStatement(call, statement.toString()).rowsAffected;
        }
        return total;
    });
}

QCborValue open(const MethodCall& call) {
    call.expectCount(2);
    const QString provider = call.text(0);
    if (providers::runsCommandText(provider)) {
        return shapeResult(statement_runner::runClientStatement(call, call.text(1))).toCbor();
    }
    const auto fixed = providers::fixedProvider(provider);
    if (!fixed) {
        throw MethodError(wire::ErrorCode::BadArguments,
                          QStringLiteral("没有这个数据提供者 / no provider %1").arg(provider));
    }
    const QString order =
        fixed->orderBy.isEmpty() ? QStringLiteral("rowid") : quotedIdentifier(fixed->orderBy);
    const QString sql =
        QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(quotedIdentifier(fixed->table), order);
    return shapeResult(statement_runner::runServerStatement(call, sql, {})).toCbor();
}

QCborValue tableNames(const MethodCall& call) {
    call.expectCount(0);
    QString names;
    for (const QString& table : call.session.db->tableNames()) {
        if (!isPrivateTable(table))
            names += table + u'|';
    }
    return names;
}

QCborValue fieldNames(const MethodCall& call) {
    call.expectCount(1);
    const QString table = call.text(0);
    QString names;
    if (isPrivateTable(table))
        return names;
    for (const QString& column : call.session.db->columnNames(table))
        names += column + u'|';
    return names;
}

}  // namespace methods
