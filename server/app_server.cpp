#include "server/app_server.h"

#include <QCborMap>

#include "server/server_error.h"

namespace {

[[noreturn]] void unexpectedReply(const QString& method) {
    throw ServerError::refused(wire::ErrorCode::Internal,
                               QStringLiteral("unexpected reply to %1").arg(method));
}

wire::DataSet dataSetFrom(const QString& method, const QCborValue& result) {
    if (!result.isMap())
        unexpectedReply(method);
    auto data = wire::DataSet::fromCbor(result.toMap());
    if (!data)
        unexpectedReply(method);
    return *std::move(data);
}

int countFrom(const QString& method, const QCborValue& result) {
    if (!result.isInteger())
        unexpectedReply(method);
    return static_cast<int>(result.toInteger());
}

bool flagFrom(const QString& method, const QCborValue& result) {
    if (!result.isBool())
        unexpectedReply(method);
    return result.toBool();
}

QString textFrom(const QString& method, const QCborValue& result) {
    if (result.isNull() || result.isUndefined())
        return QString();
    if (!result.isString())
        unexpectedReply(method);
    return result.toString();
}

}  // namespace

wire::DataSet AppServer::open(const QString& provider, const QString& commandText) {
    const QString method = QStringLiteral("Open");
    return dataSetFrom(method, call(method, {provider, commandText}));
}

int AppServer::applyUpdates(const QString& provider, const RowChanges& changes) {
    const QString method = QStringLiteral("ApplyUpdates");
    return countFrom(method, call(method, {provider, changes.toCbor()}));
}

int AppServer::exeSql(const QString& method, const QString& statement) {
    return countFrom(method, call(method, {statement}));
}

int AppServer::ExeSql1(const QString& statement) {
    return exeSql(QStringLiteral("ExeSql1"), statement);
}
int AppServer::ExeSql2(const QString& statement) {
    return exeSql(QStringLiteral("ExeSql2"), statement);
}
int AppServer::ExeSql3(const QString& statement) {
    return exeSql(QStringLiteral("ExeSql3"), statement);
}
int AppServer::ExeSql4(const QString& statement) {
    return exeSql(QStringLiteral("ExeSql4"), statement);
}
int AppServer::ExeSql5(const QString& statement) {
    return exeSql(QStringLiteral("ExeSql5"), statement);
}

int AppServer::ExecBatch(const QStringList& statements) {
    const QString method = QStringLiteral("ExecBatch");
    // One argument holding the list (a braced list would copy the array into the arguments).
    QCborArray arguments;
    arguments.append(QCborArray::fromStringList(statements));
    return countFrom(method, call(method, arguments));
}

QString AppServer::Send_Get_Data(const QString& text) {
    const QString method = QStringLiteral("Send_Get_Data");
    return textFrom(method, call(method, {text}));
}

void AppServer::SendOrder(const QString& text) {
    call(QStringLiteral("SendOrder"), {text});
}

QCborValue AppServer::SaleDesk(const QCborArray& arguments) {
    return call(QStringLiteral("SaleDesk"), arguments);
}

void AppServer::CheckDacc(QString& date, QString& trip) {
    const QString method = QStringLiteral("CheckDacc");
    const QCborValue result = call(method, {date, trip});
    const QCborArray pair = result.toArray();
    if (!result.isArray() || pair.size() != 2 || !pair.at(0).isString() || !pair.at(1).isString()) {
        unexpectedReply(method);
    }
    date = pair.at(0).toString();
    trip = pair.at(1).toString();
}

bool AppServer::lock(int mode, const QString& key) {
    const QString method = QStringLiteral("lock");
    return flagFrom(method, call(method, {mode, key}));
}

void AppServer::unlock(int mode, const QString& key) {
    call(QStringLiteral("unlock"), {mode, key});
}

QDateTime AppServer::GetDateTime() {
    const QString method = QStringLiteral("GetDateTime");
    const QDateTime moment = QDateTime::fromString(textFrom(method, call(method, {})), Qt::ISODateWithMs);
    if (!moment.isValid())
        unexpectedReply(method);
    return moment;
}

QString AppServer::HostName() {
    const QString method = QStringLiteral("HostName");
    return textFrom(method, call(method, {}));
}

QString AppServer::GetVer() {
    const QString method = QStringLiteral("GetVer");
    return textFrom(method, call(method, {}));
}

bool AppServer::GetExeMode() {
    const QString method = QStringLiteral("GetExeMode");
    return flagFrom(method, call(method, {}));
}

QString AppServer::GetSockID() {
    const QString method = QStringLiteral("GetSockID");
    return textFrom(method, call(method, {}));
}

void AppServer::RunConsvr() {
    call(QStringLiteral("RunConsvr"), {});
}

QString AppServer::Gettb() {
    const QString method = QStringLiteral("Gettb");
    return textFrom(method, call(method, {}));
}

QString AppServer::Getfn(const QString& table) {
    const QString method = QStringLiteral("Getfn");
    return textFrom(method, call(method, {table}));
}

OperatorIdentity AppServer::Login(const QString& code, const QString& password) {
    const QString method = QStringLiteral("Login");
    const QCborValue result = call(method, {code, password});
    if (!result.isMap())
        unexpectedReply(method);
    const QCborMap identity = result.toMap();
    return {identity.value(QStringLiteral("code")).toString(),
            identity.value(QStringLiteral("name")).toString(),
            identity.value(QStringLiteral("role")).toString()};
}

wire::DataSet AppServer::OperatorList() {
    const QString method = QStringLiteral("OperatorList");
    return dataSetFrom(method, call(method, {}));
}

bool AppServer::CheckPassword(const QString& code, const QString& password) {
    const QString method = QStringLiteral("CheckPassword");
    return flagFrom(method, call(method, {code, password}));
}

void AppServer::SetPassword(const QString& code, const QString& newPassword) {
    call(QStringLiteral("SetPassword"), {code, newPassword});
}
