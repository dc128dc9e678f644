#include "appserver/methods.h"

namespace methods {

QCborValue sendGetData(const MethodCall& call) {
    call.expectCount(1);
    return call.server.relay.handle(call.session.clientId, call.text(0));
}

// Desks report what they just did ("-Unlock-" and a line about the sale); it goes to the log.
QCborValue sendOrder(const MethodCall& call) {
    call.expectCount(1);
    call.server.log.write(QStringLiteral("%1 #%2 order: %3")
                              .arg(call.session.peer)
                              .arg(call.session.clientId)
                              .arg(call.text(0)));
    return QCborValue(QCborValue::Null);
}

// The relay runs from the server's start, so a desk that asks for it finds nothing to do.
QCborValue startRelay(const MethodCall&) {
    return QCborValue(QCborValue::Null);
}

}  // namespace methods
