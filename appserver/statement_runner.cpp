#include "appserver/statement_runner.h"

#include <QRegularExpression>

#include "appserver/operator_accounts.h"

namespace statement_runner {

namespace {

const QString kBatchSavepoint = QStringLiteral("ticketd_batch");
const QString kTransactionsAreTheServers = QStringLiteral(
    "语句不能开始或结束事务 / statements may not begin or end transactions; use lock and unlock or "
    "ExecBatch");

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
    static const QRegularExpression transactionControl(
        QStringLiteral(R"((^|;)\s*(begin|commit|end|rollback|savepoint|release)\b)"),
        QRegularExpression::CaseInsensitiveOption);
    if (transactionControl.match(text).hasMatch())
        fail(call, text, kTransactionsAreTheServers);
    const dialect::Translated translated = call.server.translation.translate(text);
    engine::Connection& db = *call.session.db;
    const bool inTransactionBefore = db.inTransaction();
    engine::Result result = execute(call, text, translated.sql, translated.parameters);
    // Transactions belong to the server (lock/unlock, ExecBatch): one that a workstation's text
    // opened would hold the write lock for every desk, one it ended would cut a locked group short.
    if (db.inTransaction() != inTransactionBefore) {
        if (db.inTransaction())
            db.rollback();
        fail(call, text, kTransactionsAreTheServers);
    }
    return result;
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
