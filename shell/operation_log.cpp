#include "shell/operation_log.h"

#include "common/format_stamp.h"
#include "common/sql.h"
#include "server/app_server.h"
#include "server/server_error.h"
#include "shell/session.h"

namespace {

constexpr int kLogStamp = 99;  // mm-dd,hh:nn.ss

}  // namespace

OperationLog::OperationLog(AppServer& server, Session& session, QString hostName)
    : server_(server), session_(session), hostName_(std::move(hostName)) {}

void OperationLog::LogModuleEntry(const QString& module, const QDateTime& now) {
    if (session_.CurrentModule != kNoModule)
        LogModuleExit(now);
    session_.CurrentModule = module;
    session_.ModuleEnteredAt = FormatStamp(kLogStamp, now);
    send(QStringLiteral("insert into 操作记录 (操作员代号,操作模块,操作机器,进入时间,退出时间) values(") +
         sqlText(session_.OperatorCode) + u',' + sqlText(module) + u',' + sqlText(hostName_) + u',' +
         sqlText(session_.ModuleEnteredAt) + u',' +
         sqlText(session_.ModuleEnteredAt.left(5) + QStringLiteral(",正操作中...")) + u')');
}

void OperationLog::LogModuleExit(const QDateTime& now) {
    if (session_.CurrentModule == kNoModule)
        return;
    send(QStringLiteral("update 操作记录 set 退出时间=") + sqlText(FormatStamp(kLogStamp, now)) +
         QStringLiteral(" where 操作员代号=") + sqlText(session_.OperatorCode) +
         QStringLiteral(" and 操作模块=") + sqlText(session_.CurrentModule) +
         QStringLiteral(" and 进入时间=") + sqlText(session_.ModuleEnteredAt));
    session_.CurrentModule = kNoModule;
}

void OperationLog::send(const QString& statement) {
    try {
        server_.ExeSql1(statement);
    } catch (const ServerError&) {
        // The log must never stand in the way of the work it records.
    }
}
