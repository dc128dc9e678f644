#include "network/trip_sale_summary.h"

#include "common/format_stamp.h"
#include "common/sql.h"
#include "server/app_server.h"
#include "server/schema_names.h"

namespace {

QString dateAndTrip(QDate travelDate, QStringView tripCode) {
    return QStringLiteral("乘车日期=") + sqlText(FormatStamp(25, travelDate.startOfDay())) +
           QStringLiteral(" and 车次=") + sqlText(tripCode);
}

// A sum over no rows is null, which counts as 0.
qint64 count(AppServer& server, const QString& query) {
    const wire::DataSet rows = server.open(provider::Query, query);
    if (rows.rows.isEmpty() || rows.rows.first().isEmpty()) return 0;
    return rows.rows.first().first().toLongLong();
}

}  // namespace

QString TripSaleSummary::line() const {
    return QStringLiteral("共售出：%1    正在检：%2    未检：%3    已发送：%4")
        .arg(sold)
        .arg(checking)
        .arg(notChecked())
        .arg(sent);
}

QString SoldTicketCountQuery(QDate travelDate, QStringView tripCode) {
    return QStringLiteral("select sum(数量) from 已售车票 where 票价>0 and 标志<>'退票'  and ") +
           dateAndTrip(travelDate, tripCode);
}

QString CheckingTicketCountQuery(QDate travelDate, QStringView tripCode) {
    return QStringLiteral("select sum(数量) from 已售车票 where 开出='已检' and ") + dateAndTrip(travelDate, tripCode);
}

QString SentTicketCountQuery(QDate travelDate, QStringView tripCode) {
    return QStringLiteral("select sum(数量) from 已售车票 where 开出='是' and 票价>0 and 标志<>'退票'  and ") +
           dateAndTrip(travelDate, tripCode);
}

QString TripTicketsFromQuery(QDate travelDate, QStringView tripCode) {
    return QStringLiteral("select * from 已售车票 where 车次=") + sqlText(tripCode) + QStringLiteral(" and 乘车日期>=") +
           sqlText(FormatStamp(25, travelDate.startOfDay()));
}

TripSaleSummary ReadTripSaleSummary(AppServer& server, QDate travelDate, QStringView tripCode) {
    return {count(server, SoldTicketCountQuery(travelDate, tripCode)),
            count(server, CheckingTicketCountQuery(travelDate, tripCode)),
            count(server, SentTicketCountQuery(travelDate, tripCode))};
}
