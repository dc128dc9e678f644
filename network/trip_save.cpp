#include "network/trip_save.h"

#include "common/sql.h"
#include "network/departure_time.h"
#include "common/open_stop_rule.h"
#include "network/trip_code.h"
#include "server/app_server.h"
#include "server/schema_names.h"

std::optional<QString> TripSaveRefusal(QStringView code, QStringView departureTime) {
    if (code == kRefusedTripCode) return QStringLiteral("\"0000\",不能使用该编号，请删除本车次资料！");
    const QStringView trimmed = code.trimmed();
    if (trimmed.size() != 4 || ClassifyTripCode(trimmed) == TripCodeKind::Invalid) {
        return QStringLiteral("车次编号必须为4位，或全为数字，或字母开头后两位为00！");
    }
    if (!DepartureMinutes(departureTime)) {
        return QStringLiteral("发车时间格式不对，必须为5位，如“13:05”“08:02”！");
    }
    return std::nullopt;
}

QString TripCodeTakenMessage(QStringView code) {
    return QStringLiteral("[") + code.toString() + QStringLiteral("]该车次编号已被使用，请改用其它编号！");
}

QString TripCodeLookup(QStringView code) {
    return QStringLiteral("select 车次 from 站台客车 where 车次=") + sqlText(code);
}

QString NewTripInsert(QStringView code) {
    return QStringLiteral("insert into 站台客车 (车次,发车时间,停刷,末班车) values(") + sqlText(code) +
           QStringLiteral(",'12:00',0,0)");
}

QString TripUpdate(const TripRecord& trip) {
    const QString rule = trip.openStopRule.isEmpty() ? kDefaultOpenStopRuleText : trip.openStopRule;
    return QStringLiteral("update 站台客车 set 车次=") + sqlText(trip.code) +
           QStringLiteral(", 发车时间=") + sqlText(trip.departureTime) +
           QStringLiteral(", 检票口=") + sqlText(trip.gate) +
           QStringLiteral(", 加售分钟=") + sqlInt(trip.extraMinutes.value_or(0)) +
           QStringLiteral(", 行车线路=") + sqlText(trip.routeCode) +
           QStringLiteral(", 线路名称=") + sqlText(trip.routeName) +
           QStringLiteral(", 默认客车=") + sqlText(trip.defaultBus) +
           QStringLiteral(", 进站客车=") + sqlText(trip.busOfTheDay) +
           QStringLiteral(", IC卡号=") + sqlText(trip.cardNumber) +
           QStringLiteral(", 类型=") + sqlText(trip.kind) +
           QStringLiteral(", 末班车=") + sqlBool(trip.lastBus) +
           QStringLiteral(", 票价类型=") + sqlText(trip.fareClass) +
           QStringLiteral(", 状态=") + sqlText(trip.todayState) +
           QStringLiteral(", 起始座号=") + sqlInt(trip.firstSeat.value_or(1)) +
           QStringLiteral(", 中途=") + sqlText(trip.sellsToMidwayStops) +
           QStringLiteral(", 停靠站台=") + sqlText(trip.bay) +
           QStringLiteral(", 司机=") + sqlText(trip.driver) +
           QStringLiteral(", 跟车员=") + sqlText(trip.attendant) +
           QStringLiteral(", 路单有效期=") + sqlInt(trip.routeSheetDays.value_or(1)) +
           QStringLiteral(", 运行计划=") + sqlText(trip.runPlan) +
           QStringLiteral(", 停刷=") + sqlBool(trip.cardPaused) +
           QStringLiteral(", 开停条件=") + sqlText(rule) +
           QStringLiteral(" where 车次=") + sqlText(trip.code);
}

TripSaveResult SaveTrip(AppServer& server, const TripRecord& trip, bool isNew) {
    TripSaveResult result;
    result.refusal = TripSaveRefusal(trip.code, trip.departureTime);
    if (result.refusal) return result;
    if (isNew) {
        if (!server.open(provider::Query, TripCodeLookup(trip.code)).rows.isEmpty()) {
            result.refusal = TripCodeTakenMessage(trip.code);
            result.codeTaken = true;
            return result;
        }
        server.ExeSql1(NewTripInsert(trip.code));
    }
    server.ExeSql2(TripUpdate(trip));
    result.refreshReply = server.Send_Get_Data(kTimetableRefreshNotice);
    return result;
}
