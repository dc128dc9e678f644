#include "network/trip_offer.h"

#include "common/open_stop_rule.h"
#include "server/record_view.h"

bool TripOfferedOn(const TripSaleTimes& trip, QStringView openStopRule, QDate travelDate, const QDateTime& now,
                   int stopSaleMinutes) {
    const QDate today = now.date();
    if (travelDate == today) return TripOnSaleToday(trip, stopSaleMinutes, now.time());
    if (travelDate < today) return false;
    return TripRunsOnDate(openStopRule, trip.todayState, today, travelDate);
}

TripSaleTimes TripSaleTimesOf(const RecordView& timetableRow) {
    return {timetableRow.text(QStringLiteral("发车时间")), timetableRow.boolean(QStringLiteral("末班车")),
            static_cast<int>(timetableRow.integer(QStringLiteral("加售分钟"))), timetableRow.text(QStringLiteral("状态"))};
}
