#include "shell/module_gate.h"

#include "common/sql.h"
#include "server/client_dataset.h"
#include "server/schema_names.h"
#include "shell/menu_map.h"
#include "shell/operation_log.h"
#include "shell/prompter.h"
#include "shell/session.h"

ModuleGate::ModuleGate(AppServer& server, Session& session, Prompter& prompter, OperationLog& log)
    : server_(server), session_(session), prompter_(prompter), log_(log) {}

bool ModuleGate::admit(const QString& caption) {
    session_.Rights = ModuleRights{};
    const QString module = ModuleNameOf(caption);
    if (session_.isAdministrator()) {
        session_.Rights = ModuleRights{true, true, true, true, true, true};
        log_.LogModuleEntry(module);
        return true;
    }
    ClientDataSet rights(provider::Query);
    rights.setCommandText(QStringLiteral("select * from 操作权限 where 操作员代号=") +
                          sqlText(session_.OperatorCode));
    rights.open(server_);
    if (!rights.FindRecord(QStringLiteral("模块名称"), true, module)) {
        prompter_.information(kRefusal);
        return false;
    }
    session_.Rights = ModuleRights{true,
                                   rights.boolean(QStringLiteral("新增权")),
                                   rights.boolean(QStringLiteral("修改权")),
                                   rights.boolean(QStringLiteral("删除权")),
                                   rights.boolean(QStringLiteral("查找权")),
                                   rights.boolean(QStringLiteral("打印权"))};
    log_.LogModuleEntry(module);
    return true;
}
