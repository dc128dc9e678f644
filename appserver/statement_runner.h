#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

#include "appserver/engine/engine.h"
#include "appserver/method_call.h"

// Runs statements for one connection: workstation texts through the dialect, refusing any that
// name the server's own tables; failures are logged and mark an open locked group as failed.
namespace statement_runner {

engine::Result runClientStatement(const MethodCall& call, const QString& text);

// A statement the server wrote itself, values bound.
engine::Result runServerStatement(const MethodCall& call, const QString& sql,
                                  const QList<QVariant>& parameters);

// Runs work so that all of its statements take effect or none does: a transaction of its own, or a
// savepoint inside an open locked group. Returns what work returns.
qint64 runAtomically(const MethodCall& call, const std::function<qint64()>& work);

}  // namespace statement_runner
