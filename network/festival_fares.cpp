#include "network/festival_fares.h"

#include "common/sql.h"
#include "server/app_server.h"

namespace {

// A price in ten-thousandths times (100 + percent) counts millionths of a yuan.
constexpr int64_t kPercentUnitsPerYuan = 100 * Money::kUnitsPerYuan;

QString whereDateAndStop(const FestivalFareRow& row, const QString& andWord) {
    return QStringLiteral(" where 调价日期=") + sqlText(row.date) + andWord + QStringLiteral("站点编号=") +
           sqlText(row.stopCode);
}

QString allClassesUpdate(const FestivalFareRow& row, const QString& andWord) {
    const ClassFares& f = row.fares;
    return QStringLiteral("update 票价表节日 set  六类价=") + sqlMoney(f[FareClass::Sixth]) +
           QStringLiteral(",五类价=") + sqlMoney(f[FareClass::Fifth]) +
           QStringLiteral(",四类价=") + sqlMoney(f[FareClass::Fourth]) +
           QStringLiteral(",三类价=") + sqlMoney(f[FareClass::Third]) +
           QStringLiteral(",二类价=") + sqlMoney(f[FareClass::Second]) +
           QStringLiteral(",一类价=") + sqlMoney(f[FareClass::First]) + whereDateAndStop(row, andWord);
}

}  // namespace

Money RaisedFare(Money price, int percent) {
    const int64_t scaled = price.units() * (100 + percent) + kPercentUnitsPerYuan / 2;
    return Money::fromYuan(scaled / kPercentUnitsPerYuan);
}

QString FestivalFaresQuery() {
    return QStringLiteral("select 调价日期,站点编号,站点名称,六类价,五类价,四类价,三类价,二类价,一类价 from 票价表节日");
}

QString FestivalDatesQuery() {
    return QStringLiteral("select DISTINCT 调价日期 from 票价表节日 order by 调价日期");
}

QStringList FestivalDateInserts(const QList<FestivalFareRow>& rows, const QString& date) {
    QStringList statements;
    for (const FestivalFareRow& row : rows) {
        const ClassFares& f = row.fares;
        statements << QStringLiteral("insert into 票价表节日 (调价日期,站点编号,站点名称,六类价,五类价,四类价,三类价,二类价,一类价) values(") +
                          sqlText(date) + u',' + sqlText(row.stopCode) + u',' + sqlText(row.stopName) + u',' +
                          sqlMoney(f[FareClass::Sixth]) + u',' + sqlMoney(f[FareClass::Fifth]) + u',' +
                          sqlMoney(f[FareClass::Fourth]) + u',' + sqlMoney(f[FareClass::Third]) + u',' +
                          sqlMoney(f[FareClass::Second]) + u',' + sqlMoney(f[FareClass::First]) + u')';
    }
    return statements;
}

QString FestivalDateDelete(const QString& date) {
    return QStringLiteral("delete from 票价表节日 where 调价日期=") + sqlText(date);
}

QString FestivalFaresClear() { return QStringLiteral("delete from 票价表节日"); }

QString FestivalClassUpdate(const FestivalFareRow& row, FareClass fareClass) {
    return QStringLiteral("update 票价表节日 set ") + FareClassColumn(fareClass) + u'=' +
           sqlMoney(row.fares[fareClass]) + whereDateAndStop(row, QStringLiteral(" and "));
}

QString FestivalAllClassesUpdate(const FestivalFareRow& row) {
    return allClassesUpdate(row, QStringLiteral(" and "));
}

QString FestivalRowEditorUpdate(const FestivalFareRow& row) {
    return allClassesUpdate(row, QStringLiteral(" and  "));
}

QStringList RaiseFestivalFares(QList<FestivalFareRow>& rows, std::optional<FareClass> fareClass, int percent) {
    QStringList statements;
    for (FestivalFareRow& row : rows) {
        if (fareClass) {
            row.fares[*fareClass] = RaisedFare(row.fares[*fareClass], percent);
            statements << FestivalClassUpdate(row, *fareClass);
        } else {
            for (FareClass each : kFareClasses) row.fares[each] = RaisedFare(row.fares[each], percent);
            statements << FestivalAllClassesUpdate(row);
        }
    }
    return statements;
}

void SendFestivalFareStatements(AppServer& server, const QStringList& statements) {
    if (!statements.isEmpty()) server.ExecBatch(statements);
}
