#include "appserver/methods.h"
#include "appserver/statement_runner.h"
#include "common/money.h"

namespace methods {

namespace {

constexpr int kSeatsPerTrip = 60;

LockTable::Mode lockMode(const MethodCall& call) {
    return call.integer(0) == 1 ? LockTable::Mode::Table : LockTable::Mode::Record;
}

// A price as whole ten-thousandths, or as a decimal text in yuan.
Money moneyArgument(const MethodCall& call, int index) {
    const QCborValue value = call.arguments.at(index);
    if (value.isInteger())
        return Money::fromUnits(value.toInteger());
    if (const auto parsed = value.isString() ? Money::parse(value.toString()) : std::nullopt)
        return *parsed;
    throw MethodError(wire::ErrorCode::BadArguments,
                      QStringLiteral("参数错误 / argument %1 must be an amount").arg(index + 1));
}

}  // namespace

QCborValue lock(const MethodCall& call) {
    call.expectCount(2);
    return call.session.group->lock(lockMode(call), call.text(1));
}

QCborValue unlock(const MethodCall& call) {
    call.expectCount(2);
    const LockedGroup::UnlockOutcome outcome = call.session.group->unlock(lockMode(call), call.text(1));
    if (!outcome.rollbackReason.isEmpty()) {
        call.server.log.write(QStringLiteral("%1 #%2 locked group rolled back: %3")
                                  .arg(call.session.peer)
                                  .arg(call.session.clientId)
                                  .arg(outcome.rollbackReason));
        throw MethodError(wire::ErrorCode::StatementFailed,
                          QStringLiteral("本次操作已撤销 / ") + outcome.rollbackReason);
    }
    return QCborValue(QCborValue::Null);
}

// The day counter of a trip must exist before its first sale; a second desk calling this for the
// same trip and date finds the row and leaves it alone.
QCborValue checkDayCounter(const MethodCall& call) {
    call.expectCount(2);
    const QString date = call.text(0);
    const QString trip = call.text(1);
    statement_runner::runServerStatement(
        call,
        QStringLiteral("INSERT INTO DeskList (DATE0, CCNO, DESK, SSUM) SELECT ?, ?, ?, 0 "
                       "WHERE NOT EXISTS (SELECT 1 FROM DeskList WHERE DATE0 = ? AND CCNO = ?)"),
        {date, trip, QString(kSeatsPerTrip, QLatin1Char('0')), date, trip});
    return QCborArray{date, trip};
}

// The sale in one call, for desks in remote mode. Its arguments are decoded here so that a desk
// gets a precise answer; the sale itself is not offered by this server yet.
QCborValue saleDesk(const MethodCall& call) {
    call.expectCount(18);
    const QString statementTemplate = call.text(0);
    const qint64 fullCount = call.integer(1);
    const qint64 halfCount = call.integer(2);
    for (int index : {3, 4})
        moneyArgument(call, index);
    for (int index : {5, 6, 7, 8, 9, 12, 17})
        call.integer(index);
    for (int index : {10, 11, 13, 14, 15, 16})
        call.text(index);
    if (statementTemplate.isEmpty() || fullCount < 0 || halfCount < 0) {
        throw MethodError(wire::ErrorCode::BadArguments,
                          QStringLiteral("参数错误 / SaleDesk needs a statement and counts"));
    }
    throw MethodError(
        wire::ErrorCode::UnknownMethod,
        QStringLiteral(
            "远程售票暂不可用，请使用本地售票 / SaleDesk is not available yet; sell in local mode"));
}

}  // namespace methods
