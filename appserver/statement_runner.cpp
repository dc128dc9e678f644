#include "appserver/statement_runner.h"

#include "appserver/operator_accounts.h"

namespace statement_runner {

namespace {

const QString kBatchSavepoint = QStringLiteral("ticketd_batch");

void refuseWhenGroupCannotRun(const MethodCall& call) {
    if (!call.session.group)
        return;
    const QString refusal = call.session.group->refusal();
    if (!refusal.isEmpty())
        throw MethodError(wire::ErrorCode::StatementFailed, refusal);
}

[[noreturn]] void fail(const MethodCall& call, const QString& statement, const QString& error) {
    call.server.log.write(QStringLiteral("%1 #%2 statement failed: %3 -- %4")
                              .arg(call.session.peer)
                              .arg(call.session.clientId)
                              .arg(error, statement));
    if (call.session.group)
        call.session.group->noteFailure(error);
    throw MethodError(wire::ErrorCode::StatementFailed, error);
}

engine::Result execute(const MethodCall& call, const QString& shown, const QString& sql,
                       const QList<QVariant>& parameters) {
    refuseWhenGroupCannotRun(call);
    try {
        return call.session.db->execute(sql, parameters);
    } catch (const engine::StatementError& error) {
        fail(call, shown, QString::fromUtf8(error.what()));
    }
}

}  // namespace

engine::Result runClientStatement(const MethodCall& call, const QString& text) {
    if (text.contains(operator_accounts::kPrivatePrefix, Qt::CaseInsensitive)) {
        fail(call, text,
             QStringLiteral("语句不能使用服务器内部表 / statements may not name the server's own tables"));
    }
    const StatementTranslation::Prepared prepared = call.server.translation.prepare(text);
    return execute(call, text, prepared.sql, prepared.parameters);
}

engine::Result runServerStatement(const MethodCall& call, const QString& sql,
                                  const QList<QVariant>& parameters) {
    return execute(call, sql, sql, parameters);
}

qint64 runAtomically(const MethodCall& call, const std::function<qint64()>& work) {
    refuseWhenGroupCannotRun(call);
    engine::Connection& db = *call.session.db;
    const bool nested = db.inTransaction();
    try {
        if (nested) {
            db.savepoint(kBatchSavepoint);
        } else {
            db.beginImmediate();
        }
    } catch (const engine::StatementError& error) {
        throw MethodError(wire::ErrorCode::StatementFailed, QString::fromUtf8(error.what()));
    }
    try {
        const qint64 result = work();
        if (nested) {
            db.releaseSavepoint(kBatchSavepoint);
        } else {
            db.commit();
        }
        return result;
    } catch (...) {
        try {
            if (nested) {
                db.rollbackToSavepoint(kBatchSavepoint);
            } else {
                db.rollback();
            }
        } catch (const engine::StatementError&) {
            // The engine already dropped the transaction with the failed statement.
        }
        throw;
    }
}

}  // namespace statement_runner
