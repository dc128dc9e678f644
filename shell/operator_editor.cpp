#include "shell/operator_editor.h"

#include "common/sql.h"
#include "server/app_server.h"
#include "server/client_dataset.h"
#include "server/schema_names.h"
#include "shell/append_row.h"
#include "shell/prompter.h"
#include "shell/rights_administration.h"
#include "shell/session.h"

namespace {

const QString kCode = QStringLiteral("操作员代号");
const QString kName = QStringLiteral("操作员姓名");
const QString kRole = QStringLiteral("操作员职务");

}  // namespace

const QStringList& OperatorEditor::Roles() {
    static const QStringList roles = {
        Session::kAdministratorRole, QStringLiteral("数据管理员"), QStringLiteral("财务人员"),
        QStringLiteral("调度员"),    QStringLiteral("售票员"),     QStringLiteral("检票员"),
        QStringLiteral("出单员"),    QStringLiteral("安检员"),     QStringLiteral("站长查询")};
    return roles;
}

OperatorEditor::OperatorEditor(AppServer& server, Session& session, Prompter& prompter,
                               ClientDataSet& operators, ClientDataSet& rights,
                               std::function<void(const QString&)> relay)
    : server_(server),
      session_(session),
      prompter_(prompter),
      operators_(operators),
      rights_(rights),
      relay_(std::move(relay)) {}

bool OperatorEditor::passwordEditable() const {
    return session_.isAdministrator();
}

OperatorEntry OperatorEditor::current() const {
    if (operators_.isEmpty())
        return {};
    return {operators_.text(kCode), operators_.text(kName), operators_.text(kRole), QString()};
}

bool OperatorEditor::checkRequired(const OperatorEntry& entry) {
    if (entry.code.trimmed().isEmpty()) {
        prompter_.error(QStringLiteral("操作员代号不能为空!"));
        return false;
    }
    if (entry.name.trimmed().isEmpty()) {
        prompter_.error(QStringLiteral("操作员姓名不能为空!"));
        return false;
    }
    return true;
}

// Only an administrator makes another administrator, whether adding or editing.
bool OperatorEditor::roleAllowed(const QString& role) {
    if (session_.isAdministrator() || role != Session::kAdministratorRole)
        return true;
    prompter_.error(kRoleRefused);
    return false;
}

OperatorEditor::Outcome OperatorEditor::add(const OperatorEntry& entry) {
    if (!checkRequired(entry))
        return entry.code.trimmed().isEmpty() ? Outcome::MissingCode : Outcome::MissingName;
    if (operators_.FindRecord(kCode, false, entry.code)) {
        prompter_.error(QStringLiteral("本操作员代号已有人用,请更改!"));
        return Outcome::CodeTaken;
    }
    if (!roleAllowed(entry.role))
        return Outcome::RoleRefused;
    server_.ExeSql3(QStringLiteral("insert into 操作员 (操作员代号,操作员姓名,操作员职务) values(") +
                    sqlText(entry.code) + u',' + sqlText(entry.name) + u',' + sqlText(entry.role) + u')');
    if (passwordEditable())
        server_.SetPassword(entry.code, entry.password);
    AppendRow(operators_, {{kCode, entry.code}, {kName, entry.name}, {kRole, entry.role}});
    copyRights(entry.code, entry.role);
    return Outcome::Saved;
}

OperatorEditor::Outcome OperatorEditor::save(const OperatorEntry& entry) {
    if (!checkRequired(entry))
        return entry.code.trimmed().isEmpty() ? Outcome::MissingCode : Outcome::MissingName;
    if (!roleAllowed(entry.role))
        return Outcome::RoleRefused;
    const OperatorEntry before = current();
    server_.ExeSql3(QStringLiteral("update 操作员 set  操作员代号=") + sqlText(entry.code) +
                    QStringLiteral(",操作员姓名=") + sqlText(entry.name) + QStringLiteral(",操作员职务=") +
                    sqlText(entry.role) + QStringLiteral(" where 操作员代号=") + sqlText(before.code));
    if (entry.code != before.code) {
        // The rights rows carry the code as a copy: they follow the new one.
        server_.ExeSql3(QStringLiteral("update 操作权限 set 操作员代号=") + sqlText(entry.code) +
                        QStringLiteral(" where 操作员代号=") + sqlText(before.code));
    }
    if (passwordEditable() && !entry.password.isEmpty())
        server_.SetPassword(entry.code, entry.password);
    operators_.edit();
    operators_.setValue(kCode, entry.code);
    operators_.setValue(kName, entry.name);
    operators_.setValue(kRole, entry.role);
    operators_.post();
    if (before.code == session_.OperatorCode) {
        session_.OperatorCode = entry.code;
        session_.OperatorName = entry.name;
        session_.OperatorRole = entry.role;
        if (passwordEditable() && !entry.password.isEmpty())
            session_.OperatorPassword = entry.password;
        if (entry.code != before.code || entry.name != before.name) {
            relay_(QStringLiteral("op_reuser〖") + entry.code + QStringLiteral("〗") + entry.name);
        }
    }
    return Outcome::Saved;
}

OperatorEditor::Outcome OperatorEditor::copyRights(const QString& code, const QString& role) {
    ClientDataSet query(provider::Query);
    query.setCommandText(QStringLiteral("select * from 操作权限 where 操作员代号=") + sqlText(code));
    query.open(server_);
    if (!query.isEmpty()) {
        prompter_.information(QStringLiteral("只有操作权限为空才能用此功能。"));
        return Outcome::RightsNotEmpty;
    }
    // The model is an earlier operator: the one being given rights is never its own model.
    query.close();
    query.setCommandText(QStringLiteral("select 操作员代号 from 操作员 where 操作员职务=") + sqlText(role) +
                         QStringLiteral(" and 操作员代号<>") + sqlText(code));
    query.open(server_);
    const QString model = query.isEmpty() ? QString() : query.text(kCode).trimmed();
    if (model.isEmpty())
        return Outcome::NoModel;
    query.close();
    query.setCommandText(
        QStringLiteral("select 模块名称,新增权,修改权,删除权,查找权,打印权 from 操作权限 where 操作员代号=") +
        sqlText(model));
    query.open(server_);
    for (int row = 1; row <= query.recordCount(); ++row) {
        query.setRecNo(row);
        QStringList flags;
        for (const QString& column : RightsAdministration::RightColumns())
            flags << sqlBool(query.boolean(column));
        const QString module = query.text(QStringLiteral("模块名称"));
        server_.ExeSql3(
            QStringLiteral(
                "insert into 操作权限 (操作员代号,模块名称,新增权,修改权,删除权,查找权,打印权) values(") +
            sqlText(code) + u',' + sqlText(module) + u',' + flags.join(u',') + u')');
        if (!rights_.isActive())
            continue;
        QList<std::pair<QString, QVariant>> copy = {{kCode, code}, {QStringLiteral("模块名称"), module}};
        for (const QString& column : RightsAdministration::RightColumns())
            copy.append({column, query.boolean(column)});
        AppendRow(rights_, copy);
    }
    return Outcome::Saved;
}
