#include "shell/record_deletion.h"

#include <QStringList>
#include <functional>

#include "common/sql.h"
#include "server/app_server.h"
#include "server/client_dataset.h"
#include "server/schema_names.h"
#include "shell/prompter.h"
#include "shell/session.h"

namespace {

// How one module deletes a row: an optional count that must be zero, the refusal when it is not,
// and the statements, all built from the row.
struct DeletionRule {
    QString module;
    std::function<QString(const ClientDataSet&)> referenceCount;
    QString refusal;
    std::function<QStringList(const ClientDataSet&)> statements;
};

QString key(const ClientDataSet& row, const char16_t* field) {
    return sqlText(row.text(QString::fromUtf16(field)));
}

const QList<DeletionRule>& rules() {
    static const QList<DeletionRule> table = {
        {QStringLiteral("班次管理"),
         [](const ClientDataSet& row) {
             return QStringLiteral("select count(*) from 已售车票 where 车次=") + key(row, u"车次");
         },
         QStringLiteral("不能“删除”本车次，因为本车次已有售票记录!!"),
         [](const ClientDataSet& row) {
             return QStringList{QStringLiteral("delete from 站台客车 where 车次=") + key(row, u"车次")};
         }},
        {QStringLiteral("客车信息"),
         [](const ClientDataSet& row) {
             return QStringLiteral("select count(*) from 站台客车 where 进站客车=") + key(row, u"客车编号") +
                    QStringLiteral(" or 默认客车=") + key(row, u"客车编号");
         },
         QStringLiteral("不能“删除”本客车，因为本客车已有安排出车记录!!"),
         [](const ClientDataSet& row) {
             return QStringList{QStringLiteral("delete from 客车 where 客车编号=") + key(row, u"客车编号")};
         }},
        {QStringLiteral("行车线路"),
         [](const ClientDataSet& row) {
             return QStringLiteral("select count(*) from 站台客车 where 行车线路=") + key(row, u"线路编号");
         },
         QStringLiteral("不能“删除”本线路，因为本线路已有行车安排!!"),
         [](const ClientDataSet& row) {
             return QStringList{QStringLiteral("delete from 行车线路表 where 线路编号=") +
                                key(row, u"线路编号")};
         }},
        // Today's departures come from a statement, not from a table's provider: no write-back.
        {QStringLiteral("报班情况"), nullptr, QString(),
         [](const ClientDataSet& row) {
             return QStringList{QStringLiteral("delete from 发车表 where 车次=") + key(row, u"车次")};
         }},
        {QStringLiteral("卡位设定"), nullptr, QString(),
         [](const ClientDataSet& row) {
             return QStringList{QStringLiteral("delete from 站台 where 站台卡位=") + key(row, u"站台卡位")};
         }},
        {QStringLiteral("各站票价"), nullptr, QString(),
         [](const ClientDataSet& row) {
             return QStringList{
                 QStringLiteral("delete from 票价表节日 where 站点编号=") + key(row, u"站点编号"),
                 QStringLiteral("delete from 票价表 where 站点编号=") + key(row, u"站点编号")};
         }},
        {QStringLiteral("收费项目定义"), nullptr, QString(),
         [](const ClientDataSet& row) {
             return QStringList{QStringLiteral("delete from 收费项目表 where 收费项目=") +
                                key(row, u"收费项目")};
         }},
        {QStringLiteral("应交费用设定"), nullptr, QString(),
         [](const ClientDataSet& row) {
             return QStringList{
                 QStringLiteral("delete from 应交费用表 where 交费人+收费项目=") +
                 sqlText(row.text(QStringLiteral("交费人")) + row.text(QStringLiteral("收费项目")))};
         }},
    };
    return table;
}

const DeletionRule* ruleOf(const QString& module) {
    for (const DeletionRule& rule : rules()) {
        if (rule.module == module)
            return &rule;
    }
    return nullptr;
}

}  // namespace

RecordDeletion::RecordDeletion(AppServer& server, Session& session, Prompter& prompter)
    : server_(server), session_(session), prompter_(prompter) {}

bool RecordDeletion::deleteCurrent(ClientDataSet& grid, const QString& module) {
    if (grid.isEmpty())
        return false;
    const QString firstField = grid.fields().first().name;
    if (!prompter_.question(QStringLiteral("本笔资料:\r") + firstField + QStringLiteral("='") +
                            grid.text(firstField) + QStringLiteral("'\r\r确实要删除本笔资料吗?"))) {
        return false;
    }
    const DeletionRule* rule = ruleOf(module);
    if (module == u"包车系统" && grid.text(QStringLiteral("误车否")) == u"误车") {
        // A missed charter still holds its seats on the seat map: free them first.
        server_.ExeSql5(
            QStringLiteral("delete from desklist where DATE0+CCNO=") +
            sqlText(grid.text(QStringLiteral("包车日期")) + grid.text(QStringLiteral("所包车次"))));
    }
    if (rule == nullptr) {
        grid.deleteRecord();
        grid.applyUpdates(server_);
        return true;
    }
    if (rule->referenceCount && session_.DatabaseKind == u"SQL") {
        ClientDataSet count(provider::Query3);
        count.setCommandText(rule->referenceCount(grid));
        count.open(server_);
        if (count.current().integer(count.fields().first().name) > 0) {
            prompter_.error(rule->refusal);
            return false;
        }
    }
    const QStringList statements = rule->statements(grid);
    // Dependent rows (festival fares) go first.
    for (int i = 0; i + 1 < statements.size(); ++i)
        server_.ExeSql4(statements[i]);
    server_.ExeSql5(statements.last());
    grid.deleteRecord();
    return true;
}
