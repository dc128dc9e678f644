#pragma once

#include <QString>
#include <QTime>
#include <optional>

// What decides until when today's sale of a trip is open.
struct TripSaleTimes {
    QString departureTime;  // 发车时间, "HH:MM"
    bool lastBus = false;   // 末班车: sale goes on 30 minutes past departure
    int extraMinutes = 0;   // 加售分钟: sale goes on this long past departure when not 0
    QString todayState;     // 状态: "开" runs today
};

inline constexpr int kLastBusExtraMinutes = 30;
// 停止售票 when the station has stored no parameters.
inline constexpr int kDefaultStopSaleMinutes = 3;

// Minutes by which the cut-off lies before departure (negative: after it), at most an hour either
// way: 30 after for the last bus, else the extra minutes after, else stopSaleMinutes before.
int SaleCutoffShift(const TripSaleTimes& trip, int stopSaleMinutes);

// The cut-off as a clock time for showing, wrapped around midnight (a last bus at 23:50 shows
// 00:20).
QString SaleCutoff(const TripSaleTimes& trip, int stopSaleMinutes);

// The cut-off in minutes from today's midnight, not wrapped: a last bus at 23:50 stops selling at
// 1460, a trip at 00:02 at -1. An empty departure time stands for 05:00; nothing for a malformed
// one.
std::optional<int> SaleCutoffMinutes(const TripSaleTimes& trip, int stopSaleMinutes);

// Whether the trip is on sale today at `now`: it runs today and the cut-off has not passed (the
// minute of the cut-off itself still sells). A trip whose departure time cannot be read is not on
// sale.
bool TripOnSaleToday(const TripSaleTimes& trip, int stopSaleMinutes, QTime now);
