#include "network/trip_offer.h"

#include <gtest/gtest.h>

#include "protocol/dataset.h"
#include "server/record_view.h"
#include "tests/support/qt_print.h"

namespace {

TEST(TripOfferedOn, TodayByTheCutoffLaterDaysByTheRule) {
    const TripSaleTimes trip{QStringLiteral("08:00"), false, 0, QStringLiteral("开")};
    const QDateTime now(QDate(2008, 5, 7), QTime(7, 58));
    const std::pair<QDate, bool> cases[] = {
        {QDate(2008, 5, 7), false},  // off sale since 07:57
        {QDate(2008, 5, 6), false},  // the past
        {QDate(2008, 5, 12), true},  // Monday
        {QDate(2008, 5, 13), false},
    };
    for (const auto& [date, offered] : cases) {
        EXPECT_EQ(TripOfferedOn(trip, u"C1,3,5", date, now, kDefaultStopSaleMinutes), offered)
            << date.toString(Qt::ISODate).toStdString();
    }
    EXPECT_TRUE(TripOfferedOn(trip, u"E", QDate(2008, 5, 7), QDateTime(QDate(2008, 5, 7), QTime(7, 0)), 3));
    EXPECT_FALSE(TripOfferedOn(trip, u"E", QDate(2008, 5, 8), QDateTime(QDate(2008, 5, 7), QTime(7, 0)), 3));
}

TEST(TripSaleTimesOf, ReadsTheTimetableRow) {
    const QList<wire::Field> fields = {{QStringLiteral("发车时间"), wire::FieldType::Text},
                                       {QStringLiteral("末班车"), wire::FieldType::Bool},
                                       {QStringLiteral("加售分钟"), wire::FieldType::Integer},
                                       {QStringLiteral("状态"), wire::FieldType::Text}};
    const QList<QVariant> cells = {QStringLiteral("23:50"), true, qint64(10), QStringLiteral("开")};
    const TripSaleTimes trip = TripSaleTimesOf(RecordView(fields, cells));
    EXPECT_EQ(trip.departureTime, u"23:50");
    EXPECT_TRUE(trip.lastBus);
    EXPECT_EQ(trip.extraMinutes, 10);
    EXPECT_EQ(trip.todayState, u"开");
}

}  // namespace
