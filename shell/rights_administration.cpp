#include "shell/rights_administration.h"

#include "common/sql.h"
#include "server/app_server.h"
#include "server/client_dataset.h"
#include "server/schema_names.h"
#include "shell/append_row.h"
#include "shell/prompter.h"
#include "shell/session.h"

namespace {

const QString kCode = QStringLiteral("操作员代号");
const QString kName = QStringLiteral("操作员姓名");
const QString kRole = QStringLiteral("操作员职务");
const QString kModule = QStringLiteral("模块名称");

}  // namespace

const QStringList& RightsAdministration::RightColumns() {
    static const QStringList columns = {QStringLiteral("新增权"), QStringLiteral("修改权"),
                                        QStringLiteral("删除权"), QStringLiteral("查找权"),
                                        QStringLiteral("打印权")};
    return columns;
}

RightsAdministration::RightsAdministration(AppServer& server, Session& session, Prompter& prompter,
                                           ClientDataSet& operators, ClientDataSet& rights)
    : server_(server), session_(session), prompter_(prompter), operators_(operators), rights_(rights) {}

void RightsAdministration::open() {
    operators_.open(server_);
    rights_.open(server_);
    followOperator();
}

void RightsAdministration::reloadRights() {
    rights_.clearFilter();
    rights_.open(server_);
    followOperator();
}

QString RightsAdministration::chosenCode() const {
    return operators_.isEmpty() ? QString() : operators_.text(kCode);
}

bool RightsAdministration::chosenIsAdministrator() const {
    return !operators_.isEmpty() && operators_.text(kRole) == Session::kAdministratorRole;
}

void RightsAdministration::followOperator() {
    const QString code = chosenCode();
    rights_.setFilter([code](const RecordView& row) { return row.text(kCode) == code; });
}

// Rows are named by both key columns: joined into one text, two different pairs could meet.
QString RightsAdministration::rowCondition() const {
    return QStringLiteral(" where 操作员代号=") + sqlText(rights_.text(kCode)) +
           QStringLiteral(" and 模块名称=") + sqlText(rights_.text(kModule));
}

void RightsAdministration::appendRight(const QString& module) {
    const QString code = chosenCode();
    server_.ExeSql3(
        QStringLiteral(
            "insert into 操作权限 (操作员代号,模块名称,新增权,修改权,删除权,查找权,打印权) values(") +
        sqlText(code) + u',' + sqlText(module) + QStringLiteral(",1,1,1,1,1)"));
    QList<std::pair<QString, QVariant>> row = {{kCode, code}, {kModule, module}};
    for (const QString& column : RightColumns())
        row.append({column, true});
    AppendRow(rights_, row);
}

void RightsAdministration::grant(const QString& module) {
    if (!session_.Rights.CanEdit || operators_.isEmpty() || module.isEmpty())
        return;
    if (rights_.FindRecord(kModule, false, module))
        return;
    if (chosenIsAdministrator()) {
        prompter_.information(QStringLiteral("[") + operators_.text(kName) + QStringLiteral("]是“") +
                              Session::kAdministratorRole + QStringLiteral("”其已拥有全权。"));
        return;
    }
    appendRight(module);
}

void RightsAdministration::grantAll(const QStringList& modules) {
    if (!session_.Rights.CanEdit || operators_.isEmpty())
        return;
    if (chosenIsAdministrator()) {
        grant(modules.value(0));
        return;
    }
    for (const QString& module : modules) {
        if (!rights_.FindRecord(kModule, false, module))
            appendRight(module);
    }
}

void RightsAdministration::removeOne() {
    if (!session_.Rights.CanEdit || rights_.isEmpty())
        return;
    server_.ExeSql3(QStringLiteral("delete from 操作权限") + rowCondition());
    rights_.deleteRecord();
}

void RightsAdministration::removeAll() {
    if (!session_.Rights.CanEdit)
        return;
    while (!rights_.isEmpty()) {
        rights_.first();
        removeOne();
    }
}

void RightsAdministration::writeRight(const QString& assignments, bool value) {
    server_.ExeSql3(QStringLiteral("update 操作权限 set ") + assignments + rowCondition());
    rights_.edit();
    for (const QString& column : RightColumns()) {
        if (assignments.contains(column))
            rights_.setValue(column, value);
    }
    rights_.post();
}

void RightsAdministration::setCell(const QString& column, bool value) {
    if (!session_.Rights.CanEdit || rights_.isEmpty() || !RightColumns().contains(column))
        return;
    writeRight(column + u'=' + sqlBool(value), value);
}

void RightsAdministration::setRow(bool value) {
    if (!session_.Rights.CanEdit || rights_.isEmpty())
        return;
    QStringList assignments;
    for (const QString& column : RightColumns())
        assignments << column + u'=' + sqlBool(value);
    writeRight(assignments.join(u','), value);
}

void RightsAdministration::setColumn(const QString& column, bool value) {
    if (!session_.Rights.CanEdit || !RightColumns().contains(column))
        return;
    for (int row = 1; row <= rights_.recordCount(); ++row) {
        rights_.setRecNo(row);
        setCell(column, value);
    }
}

void RightsAdministration::toggleCell(const QString& column) {
    if (rights_.isEmpty() || !RightColumns().contains(column))
        return;
    setCell(column, !rights_.boolean(column));
}

bool RightsAdministration::onlineElsewhere(const QStringList& onlineList) const {
    const QString code = chosenCode();
    if (code == session_.OperatorCode)
        return false;
    return onlineList.contains(QStringLiteral("〖") + code + QStringLiteral("〗") + operators_.text(kName));
}

bool RightsAdministration::mayEditOperator(const QStringList& onlineList) {
    if (!onlineElsewhere(onlineList))
        return true;
    prompter_.information(kOperatorOnline);
    return false;
}

bool RightsAdministration::deleteOperator(const QStringList& onlineList) {
    if (!session_.Rights.CanDelete || operators_.recordCount() <= 1)
        return false;
    if (onlineElsewhere(onlineList)) {
        prompter_.information(kDeleteOnline);
        return false;
    }
    const QString code = chosenCode();
    if (code == session_.OperatorCode) {
        prompter_.error(kOwnRecord);
        return false;
    }
    if (chosenIsAdministrator()) {
        ClientDataSet administrators(provider::Query3);
        administrators.setCommandText(QStringLiteral("select count(*) from 操作员 where 操作员职务=") +
                                      sqlText(Session::kAdministratorRole));
        administrators.open(server_);
        if (administrators.current().integer(administrators.fields().first().name) <= 1) {
            prompter_.error(kLastAdministrator);
            return false;
        }
    }
    if (!prompter_.question(QStringLiteral("操作员:[") + operators_.text(kName) +
                            QStringLiteral("]\r确实要删除此操作员资料吗?"))) {
        return false;
    }
    if (session_.DatabaseKind == u"SQL") {
        ClientDataSet sales(provider::Query3);
        sales.setCommandText(QStringLiteral("select count(*) from 已售车票 where 售票员=") + sqlText(code));
        sales.open(server_);
        if (sales.current().integer(sales.fields().first().name) > 0) {
            prompter_.error(kHasSales);
            return false;
        }
        server_.ExeSql4(QStringLiteral("delete from 操作权限 where 操作员代号=") + sqlText(code));
    }
    server_.ExeSql3(QStringLiteral("delete from 操作员 where 操作员代号=") + sqlText(code));
    operators_.deleteRecord();
    reloadRights();
    return true;
}
