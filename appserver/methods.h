#pragma once

#include <QCborValue>

#include "appserver/method_call.h"

// The methods workstations call, by area. Each returns the reply's result or throws MethodError.
namespace methods {

// Operators and the session: methods_session.cpp
QCborValue login(const MethodCall& call);
QCborValue operatorList(const MethodCall& call);
QCborValue checkPassword(const MethodCall& call);
QCborValue setPassword(const MethodCall& call);
QCborValue dateTime(const MethodCall& call);
QCborValue hostName(const MethodCall& call);
QCborValue databaseKind(const MethodCall& call);
QCborValue executionMode(const MethodCall& call);
QCborValue socketId(const MethodCall& call);

// Statements and providers: methods_statements.cpp
QCborValue executeStatement(const MethodCall& call);
QCborValue executeBatch(const MethodCall& call);
QCborValue open(const MethodCall& call);
QCborValue tableNames(const MethodCall& call);
QCborValue fieldNames(const MethodCall& call);

// Provider write-back: methods_apply_updates.cpp
QCborValue applyUpdates(const MethodCall& call);

// The message relay: methods_relay.cpp
QCborValue sendGetData(const MethodCall& call);
QCborValue sendOrder(const MethodCall& call);
QCborValue startRelay(const MethodCall& call);

// Seat locks and the sale: methods_sale.cpp
QCborValue lock(const MethodCall& call);
QCborValue unlock(const MethodCall& call);
QCborValue checkDayCounter(const MethodCall& call);
QCborValue saleDesk(const MethodCall& call);

}  // namespace methods
