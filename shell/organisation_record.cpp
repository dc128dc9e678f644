#include "shell/organisation_record.h"

#include "common/sql.h"
#include "server/app_server.h"
#include "server/client_dataset.h"

const QStringList& OrganisationRecord::Columns() {
    static const QStringList columns = {QStringLiteral("部门名称"),   QStringLiteral("所在省份"),
                                        QStringLiteral("所在地市"),   QStringLiteral("所在县区"),
                                        QStringLiteral("所在街道"),   QStringLiteral("邮政编码"),
                                        QStringLiteral("部门电话1"),  QStringLiteral("部门电话2"),
                                        QStringLiteral("负责人姓名"), QStringLiteral("负责人电话")};
    return columns;
}

const QStringList& OrganisationRecord::Labels() {
    static const QStringList labels = {QStringLiteral("单位(组织、公司)名称："),
                                       QStringLiteral("省"),
                                       QStringLiteral("市"),
                                       QStringLiteral("县(区)"),
                                       QStringLiteral("路(街)"),
                                       QStringLiteral("邮政编码："),
                                       QStringLiteral("联系电话1："),
                                       QStringLiteral("联系电话2："),
                                       QStringLiteral("单位负责人："),
                                       QStringLiteral("负责人电话：")};
    return labels;
}

OrganisationRecord::OrganisationRecord(AppServer& server, ClientDataSet& depinf)
    : server_(server), depinf_(depinf) {}

QStringList OrganisationRecord::load() {
    depinf_.open(server_);
    if (depinf_.isEmpty()) {
        server_.ExeSql1(QStringLiteral("insert into 部门信息 (部门名称) values('**汽车站')"));
        depinf_.open(server_);
    }
    QStringList values;
    for (const QString& column : Columns())
        values << depinf_.text(column).trimmed();
    return values;
}

void OrganisationRecord::save(const QStringList& values) {
    QStringList assignments;
    for (int i = 0; i < Columns().size(); ++i)
        assignments << Columns()[i] + u'=' + sqlText(values.value(i));
    server_.ExeSql2(QStringLiteral("update 部门信息 set ") + assignments.join(u','));
}
