#include "appserver/method_table.h"

#include <QHash>
#include <QSet>

#include "appserver/methods.h"

namespace {

using Handler = QCborValue (*)(const MethodCall&);

struct Method {
    Handler handler;
    bool beforeLogin;
};

// Method names are matched without regard to letter case, as the desks' late-bound calls are.
const QHash<QString, Method>& methodsByName() {
    static const QHash<QString, Method> table = [] {
        const std::pair<const char*, Method> entries[] = {
            {"Login", {methods::login, true}},
            {"OperatorList", {methods::operatorList, true}},
            {"CheckPassword", {methods::checkPassword, false}},
            {"SetPassword", {methods::setPassword, false}},
            {"GetDateTime", {methods::dateTime, true}},
            {"HostName", {methods::hostName, true}},
            {"GetVer", {methods::databaseKind, true}},
            {"GetExeMode", {methods::executionMode, false}},
            {"GetSockID", {methods::socketId, false}},
            {"ExeSql1", {methods::executeStatement, false}},
            {"ExeSql2", {methods::executeStatement, false}},
            {"ExeSql3", {methods::executeStatement, false}},
            {"ExeSql4", {methods::executeStatement, false}},
            {"ExeSql5", {methods::executeStatement, false}},
            {"ExecBatch", {methods::executeBatch, false}},
            {"Open", {methods::open, false}},
            {"ApplyUpdates", {methods::applyUpdates, false}},
            {"Gettb", {methods::tableNames, false}},
            {"Getfn", {methods::fieldNames, false}},
            {"Send_Get_Data", {methods::sendGetData, false}},
            {"SendOrder", {methods::sendOrder, false}},
            {"RunConsvr", {methods::startRelay, false}},
            {"lock", {methods::lock, false}},
            {"unlock", {methods::unlock, false}},
            {"CheckDacc", {methods::checkDayCounter, false}},
            {"SaleDesk", {methods::saleDesk, false}},
        };
        QHash<QString, Method> byName;
        for (const auto& [name, method] : entries)
            byName.insert(QString::fromLatin1(name).toLower(), method);
        return byName;
    }();
    return table;
}

// The texts of the start-up handshake, which a desk sends while its operator is still logging in.
bool isHandshakeText(const wire::Request& request) {
    static const QSet<QString> texts{QStringLiteral("-Online_test-"), QStringLiteral("CheckIsServerd"),
                                     QStringLiteral("-Data_Ready-"), QStringLiteral("CheckIsHzing")};
    return request.method.compare(QLatin1String("Send_Get_Data"), Qt::CaseInsensitive) == 0 &&
           request.args.size() == 1 && texts.contains(request.args.at(0).toString());
}

}  // namespace

wire::Reply dispatchRequest(const wire::Request& request, SessionState& session, ServerContext& server) {
    const auto found = methodsByName().constFind(request.method.toLower());
    if (found == methodsByName().constEnd()) {
        return wire::Reply::failure(request.id, wire::ErrorCode::UnknownMethod,
                                    QStringLiteral("没有这个方法 / unknown method %1").arg(request.method));
    }
    if (!session.identity && !found->beforeLogin && !isHandshakeText(request)) {
        return wire::Reply::failure(
            request.id, wire::ErrorCode::NotLoggedIn,
            QStringLiteral("请先登录 / log in first: %1 needs a logged-in operator").arg(request.method));
    }
    try {
        return wire::Reply::success(request.id, found->handler(MethodCall{request.args, session, server}));
    } catch (const MethodError& error) {
        return wire::Reply::failure(request.id, error.code(), QString::fromUtf8(error.what()));
    } catch (const engine::StatementError& error) {
        return wire::Reply::failure(request.id, wire::ErrorCode::StatementFailed,
                                    QString::fromUtf8(error.what()));
    } catch (const std::exception& error) {
        return wire::Reply::failure(request.id, wire::ErrorCode::Internal, QString::fromUtf8(error.what()));
    }
}
