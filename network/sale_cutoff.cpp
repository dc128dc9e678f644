#include "network/sale_cutoff.h"

#include <algorithm>

#include "common/format_stamp.h"
#include "network/departure_time.h"

namespace {

// ShiftTime moves a time by at most an hour; the cut-off keeps that limit.
constexpr int kLargestShift = 60;
const QString kEmptyDepartureTime = QStringLiteral("05:00");

}  // namespace

int SaleCutoffShift(const TripSaleTimes& trip, int stopSaleMinutes) {
    int shift = stopSaleMinutes;
    if (trip.lastBus) {
        shift = -kLastBusExtraMinutes;
    } else if (trip.extraMinutes != 0) {
        shift = -trip.extraMinutes;
    }
    return std::clamp(shift, -kLargestShift, kLargestShift);
}

QString SaleCutoff(const TripSaleTimes& trip, int stopSaleMinutes) {
    return ShiftTime(trip.departureTime, SaleCutoffShift(trip, stopSaleMinutes));
}

std::optional<int> SaleCutoffMinutes(const TripSaleTimes& trip, int stopSaleMinutes) {
    const QString& time = trip.departureTime.isEmpty() ? kEmptyDepartureTime : trip.departureTime;
    const std::optional<int> departure = DepartureMinutes(time);
    if (!departure) return std::nullopt;
    return *departure - SaleCutoffShift(trip, stopSaleMinutes);
}

bool TripOnSaleToday(const TripSaleTimes& trip, int stopSaleMinutes, QTime now) {
    if (trip.todayState != u"开") return false;
    const std::optional<int> cutoff = SaleCutoffMinutes(trip, stopSaleMinutes);
    return cutoff && *cutoff >= now.hour() * 60 + now.minute();
}
