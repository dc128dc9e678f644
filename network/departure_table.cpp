#include "network/departure_table.h"

#include "server/app_server.h"
#include "server/schema_names.h"

namespace {

int departureRowCount(AppServer& server) {
    const wire::DataSet rows = server.open(provider::Query, QStringLiteral("select count(*) from 发车表"));
    if (rows.rows.isEmpty() || rows.rows.first().isEmpty()) return 0;
    return rows.rows.first().first().toInt();
}

}  // namespace

QStringList DepartureTableRefreshStatements() {
    return {
        QStringLiteral("delete from 发车表 where 检票<>'开出' and (检票<>'是' or 车次 not in "
                       "(select 车次 from 站台客车 where 状态='开'))"),
        QStringLiteral("insert into 发车表 (车次,线路名称,类型,发车时间,停靠站台,检票,检票口) "
                       "select 车次,线路名称,类型,发车时间,停靠站台,'否',检票口  from 站台客车 "
                       "where (状态='开' and 车次 not in (select 车次 from 发车表))"),
    };
}

int RefreshDepartureTable(AppServer& server) {
    const int before = departureRowCount(server);
    server.ExecBatch(DepartureTableRefreshStatements());
    return departureRowCount(server) - before;
}

QString DeparturesRefreshedMessage(int added) {
    return QStringLiteral("刷新完毕！新增了%1个班次。").arg(added);
}

QString TimetableDeparturesRefreshedMessage(int added) {
    return QStringLiteral("刷新完毕！新增了%1个今日需要检票的班次。").arg(added);
}
