#include "network/departure_table.h"

#include <gtest/gtest.h>

#include "tests/network/station_server.h"
#include "tests/support/qt_print.h"

namespace {

// Today's timetable and a departure table left from earlier in the day:
//   0800 runs, being checked (5 sold, 3 checked)   0900 stopped since, being checked
//   1000 runs, departed                             1100 runs, not checked, its time moved since
//   1200 runs, opened since the last refresh        1300 stopped since, not checked
//   1400 stopped, departed
// A sale of 0800 on another desk arrives just before every refresh group.
class DepartureTable : public ::testing::Test {
protected:
    void SetUp() override {
        for (const QString& statement : {
                 trip("0800", "开", "08:00"), trip("0900", "停", "09:00"), trip("1000", "开", "10:00"),
                 trip("1100", "开", "11:30"), trip("1200", "开", "12:00"), trip("1300", "停", "13:00"),
                 trip("1400", "停", "14:00"),
                 departure("0800", "是", "旧线", "08:00", 5, 3),
                 departure("0900", "是", "北线", "09:00", 4, 4),
                 departure("1000", "开出", "北线", "10:00", 0, 40),
                 departure("1100", "否", "北线", "11:00", 2, 0),
                 departure("1300", "否", "北线", "13:00", 0, 0),
                 departure("1400", "开出", "北线", "14:00", 0, 38),
             }) {
            server.database.translateAndRun(statement);
        }
        server.beforeGroup = [this] {
            server.database.translateAndRun(u"update 发车表 set 售出=售出+1 where 车次='0800'");
        };
    }

    static QString trip(const QString& code, const QString& state, const QString& time) {
        return QStringLiteral(
                   "insert into 站台客车 (车次,线路名称,类型,发车时间,停靠站台,检票口,状态) "
                   "values('%1','北线','普通','%2','3号','2','%3')")
            .arg(code, time, state);
    }

    static QString departure(const QString& code, const QString& check, const QString& route,
                             const QString& time, int sold, int checked) {
        return QStringLiteral(
                   "insert into 发车表 (车次,线路名称,类型,发车时间,停靠站台,检票口,检票,承运客车,座位数,车属单位,售出,已检) "
                   "values('%1','%2','普通','%3','3号','2','%4','粤A1234',45,'一队',%5,%6)")
            .arg(code, route, time, check)
            .arg(sold)
            .arg(checked);
    }

    QStringList table() {
        return server.rowTexts(QStringLiteral(
            "select 车次,线路名称,发车时间,检票,承运客车,售出,已检 from 发车表 order by 车次"));
    }

    StationServer server;
};

TEST_F(DepartureTable, RefreshKeepsDepartedAndCheckedRowsAndRebuildsTheRest) {
    EXPECT_EQ(RefreshDepartureTable(server), -1);
    EXPECT_EQ(table(), (QStringList{
                           "0800|旧线|08:00|是|粤A1234|6|3",  // untouched, and the sale during the refresh counted
                           "1000|北线|10:00|开出|粤A1234|0|40",
                           "1100|北线|11:30|否||0|0",          // made again from the timetable
                           "1200|北线|12:00|否||0|0",          // new
                           "1400|北线|14:00|开出|粤A1234|0|38",
                       }));
    const QString count = QStringLiteral("Open: select count(*) from 发车表");
    EXPECT_EQ(server.calls,
              (QStringList{count, "ExecBatch: " + DepartureTableRefreshStatements().join(QStringLiteral("; ")), count}));
}

TEST_F(DepartureTable, SecondRefreshAddsNothing) {
    RefreshDepartureTable(server);
    EXPECT_EQ(RefreshDepartureTable(server), 0);
    EXPECT_EQ(table().size(), 5);
    EXPECT_EQ(server.rowTexts(QStringLiteral("select 售出 from 发车表 where 车次='0800'")), QStringList{"7"});
}

TEST(DepartureTableMessages, CountOfAddedTrips) {
    EXPECT_EQ(DeparturesRefreshedMessage(3), u"刷新完毕！新增了3个班次。");
    EXPECT_EQ(TimetableDeparturesRefreshedMessage(0), u"刷新完毕！新增了0个今日需要检票的班次。");
}

}  // namespace
