#include "network/trip_delete.h"

#include "common/sql.h"
#include "server/app_server.h"
#include "server/schema_names.h"

QString TripTicketCountQuery(QStringView tripCode) {
    return QStringLiteral("select count(*) from 已售车票 where 车次=") + sqlText(tripCode);
}

QString TripDelete(QStringView tripCode) {
    return QStringLiteral("delete from 站台客车 where 车次=") + sqlText(tripCode);
}

std::optional<QString> DeleteTrip(AppServer& server, QStringView tripCode, bool checkTickets) {
    if (checkTickets) {
        const wire::DataSet rows = server.open(provider::Query, TripTicketCountQuery(tripCode));
        if (!rows.rows.isEmpty() && !rows.rows.first().isEmpty() && rows.rows.first().first().toLongLong() > 0) {
            return QStringLiteral("不能“删除”本车次，因为本车次已有售票记录!!");
        }
    }
    server.ExeSql1(TripDelete(tripCode));
    return std::nullopt;
}
