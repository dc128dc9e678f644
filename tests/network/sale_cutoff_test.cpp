#include "network/sale_cutoff.h"

#include <gtest/gtest.h>

#include "tests/support/qt_print.h"

namespace {

TripSaleTimes trip(const QString& departure, bool lastBus = false, int extraMinutes = 0) {
    return {departure, lastBus, extraMinutes, QStringLiteral("开")};
}

struct CutoffCase {
    TripSaleTimes trip;
    int stopSaleMinutes;
    const char* shown;  // the cut-off as shown, wrapped
    int minutes;        // the cut-off from today's midnight, not wrapped
};

TEST(SaleCutoff, MovesTheDepartureByTheRightMinutes) {
    const CutoffCase cases[] = {
        {trip("08:00"), 3, "07:57", 7 * 60 + 57},
        {trip("08:00", false, 10), 3, "08:10", 8 * 60 + 10},
        {trip("08:00", true), 3, "08:30", 8 * 60 + 30},
        {trip("08:00", true, 10), 3, "08:30", 8 * 60 + 30},   // the last bus wins over extra minutes
        {trip("08:00", false, 90), 3, "09:00", 9 * 60},       // at most an hour
        {trip("08:00"), 90, "07:00", 7 * 60},
        {trip("08:00", false, -5), 3, "07:55", 7 * 60 + 55},  // negative extra minutes close earlier
        {trip(""), 3, "04:57", 4 * 60 + 57},                  // no time stands for 05:00
        // Around midnight the shown time wraps, the minutes do not.
        {trip("23:50", true), 3, "00:20", 24 * 60 + 20},
        {trip("23:59", false, 60), 3, "00:59", 24 * 60 + 59},
        {trip("00:02"), 3, "23:59", -1},
        {trip("00:00"), 60, "23:00", -60},
    };
    for (const CutoffCase& c : cases) {
        SCOPED_TRACE(c.trip.departureTime.toStdString());
        EXPECT_EQ(SaleCutoff(c.trip, c.stopSaleMinutes), QString::fromLatin1(c.shown));
        EXPECT_EQ(SaleCutoffMinutes(c.trip, c.stopSaleMinutes), c.minutes);
    }
}

struct OnSaleCase {
    TripSaleTimes trip;
    QTime now;
    bool onSale;
};

TEST(TripOnSaleToday, UntilTheCutoffMinuteWithoutWrapping) {
    const OnSaleCase cases[] = {
        {trip("08:00"), QTime(7, 57, 59), true},
        {trip("08:00"), QTime(7, 58), false},
        {trip("08:00", false, 10), QTime(8, 10), true},
        {trip("08:00", false, 10), QTime(8, 11), false},
        {trip("08:00", true), QTime(8, 30), true},
        {trip("08:00", true), QTime(8, 31), false},
        // A last bus near midnight sells until it has gone, not only until 00:20 compared as text.
        {trip("23:50", true), QTime(23, 59), true},
        {trip("23:50", true), QTime(0, 0), true},
        // A trip just after midnight stops selling before it leaves and stays off sale.
        {trip("00:02"), QTime(0, 0), false},
        {trip("00:05"), QTime(0, 1), true},
        {trip("00:05"), QTime(0, 3), false},
        {trip("00:02"), QTime(12, 0), false},
        {trip("00:02"), QTime(23, 59), false},
        // Not running today, or no readable time.
        {{QStringLiteral("08:00"), false, 0, QStringLiteral("停")}, QTime(6, 0), false},
        {{QStringLiteral("08:00"), false, 0, QString()}, QTime(6, 0), false},
        {trip("8:00"), QTime(6, 0), false},
        {trip("25:00"), QTime(6, 0), false},
    };
    for (const OnSaleCase& c : cases) {
        SCOPED_TRACE(c.trip.departureTime.toStdString() + " at " + c.now.toString().toStdString());
        EXPECT_EQ(TripOnSaleToday(c.trip, kDefaultStopSaleMinutes, c.now), c.onSale);
    }
}

}  // namespace
