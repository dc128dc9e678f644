#include "network/fare_lookup.h"

#include "common/format_stamp.h"
#include "common/sql.h"
#include "server/app_server.h"
#include "server/record_view.h"
#include "server/schema_names.h"

namespace {

std::optional<ClassFares> firstRowFares(AppServer& server, const QString& statement) {
    const wire::DataSet rows = server.open(provider::Query, statement);
    if (rows.rows.isEmpty()) return std::nullopt;
    return ClassFaresOf(RecordView(rows.fields, rows.rows.first()));
}

}  // namespace

QString FestivalFareLookup(QDate travelDate, QStringView stopCode) {
    return QStringLiteral("select * from 票价表节日 where 调价日期+站点编号=") +
           sqlText(FormatStamp(5, travelDate.startOfDay()) + stopCode.toString());
}

QString OrdinaryFareLookup(QStringView stopCode) {
    return QStringLiteral("select * from 票价表 where 站点编号=") + sqlText(stopCode);
}

ClassFares ClassFaresOf(const RecordView& row) {
    ClassFares fares;
    for (FareClass fareClass : kFareClasses) fares[fareClass] = row.money(FareClassColumn(fareClass));
    return fares;
}

std::optional<ClassFares> FaresForTravelDate(AppServer& server, QDate travelDate, QStringView stopCode) {
    if (auto festival = firstRowFares(server, FestivalFareLookup(travelDate, stopCode))) return festival;
    return firstRowFares(server, OrdinaryFareLookup(stopCode));
}
