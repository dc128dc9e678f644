#include <gtest/gtest.h>

#include <QSet>

#include "appserver/schema/catalogue.h"
#include "common/sql.h"
#include "tests/schema/sqlite_database.h"
#include "tests/support/qt_print.h"

namespace {

const QDate kToday(2008, 5, 7);

class DemoStation : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(db.runAll(schema::SqliteCreateStatements()), "");
        ASSERT_EQ(db.runAll(schema::DemoStatements(kToday)), "");
    }

    SqliteDatabase db;
};

TEST_F(DemoStation, TimetableRefersOnlyToExistingRoutesBusesAndBays) {
    EXPECT_EQ(db.value("select count(*) from 站台客车"), "20");
    EXPECT_EQ(db.rows("select 车次 from 站台客车 where 行车线路 not in (select 线路编号 from 行车线路表) "
                      "or 线路名称 not in (select 线路名称 from 行车线路表) "
                      "or 进站客车 not in (select 客车编号 from 客车) "
                      "or 默认客车 not in (select 客车编号 from 客车) "
                      "or 停靠站台 not in (select 站台卡位 from 站台)"),
              QStringList{});
}

TEST_F(DemoStation, EveryStopOfEveryRouteHasFaresInAllSixClasses) {
    const QStringList routes = db.rows("select 沿途停靠站 from 行车线路表");
    ASSERT_EQ(routes.size(), 3);
    QSet<QString> stopsOnRoutes;
    for (const QString& route : routes) {
        for (const QString& stop : route.split(u'\\'))
            stopsOnRoutes.insert(stop);
    }
    const QStringList priced = db.rows(
        "select 站点名称 from 票价表 where 一类价>0 and 二类价>0 and 三类价>0 and 四类价>0 "
        "and 五类价>0 and 六类价>0");
    EXPECT_EQ(stopsOnRoutes, QSet<QString>(priced.begin(), priced.end()));
    EXPECT_EQ(priced.size(), 10);
}

// The sale desk lists the trips of the day that stop at the chosen destination and paints the seat
// map from the day's counter; both must be there for a seller to sell at once.
TEST_F(DemoStation, SellerFindsTodaysTripsToAStopWithTheirSeatCounters) {
    const QStringList trips = db.rows(
        "select A.车次,B.座位数 from 站台客车 A ,客车 B,行车线路表 C where (A.行车线路=C.线路编号) "
        "and (A.进站客车=B.客车编号) and (A.状态='开') and (instr(C.沿途停靠站,'广州')>0) order by "
        "A.发车时间");
    EXPECT_EQ(trips.size(), 8);
    EXPECT_EQ(db.value("select count(*) from 发车表 where 检票='否'"),
              db.value("select count(*) from 站台客车 where 状态='开'"));
    EXPECT_EQ(db.rows("select 车次 from 发车表 where 车次 not in "
                      "(select CCNO from DeskList where DATE0='08-05-07' and SSUM=0)"),
              QStringList{});
    EXPECT_NE(db.value("select count(*) from DeskList where DATE0='08-05-13'"), "0");
    EXPECT_EQ(db.value("select count(*) from DeskList where DATE0='08-05-14'"), "0");
}

TEST_F(DemoStation, StationRecordAndParametersArePresent) {
    EXPECT_EQ(db.value("select 部门名称 from 部门信息"), "青禾汽车站");
    EXPECT_EQ(db.rows("select 可预售天数,半票率,小数位,停止售票,手工检票密码,保管费小票标题 from 系统参数表"),
              QStringList{"14|50|1|3|59317286|行李物品保管中心"});
}

TEST(DemoOperators, OneAdministratorAndRightsForEveryOtherOperator) {
    SqliteDatabase db;
    ASSERT_EQ(db.runAll(schema::SqliteCreateStatements()), "");
    ASSERT_EQ(db.runAll(schema::DemoStatements(kToday)), "");
    QSet<QString> codes;
    int administrators = 0;
    for (const schema::DemoOperator& demoOperator : schema::DemoOperators()) {
        SCOPED_TRACE(demoOperator.code.toStdString());
        EXPECT_FALSE(codes.contains(demoOperator.code));
        codes.insert(demoOperator.code);
        EXPECT_FALSE(demoOperator.password.isEmpty());
        const QString rights =
            db.value(QStringLiteral("select count(*) from 操作权限 where 操作员代号=") + sqlText(demoOperator.code));
        if (demoOperator.role == "系统管理员") {
            ++administrators;
        } else {
            EXPECT_NE(rights, "0") << "an operator without rights can open no module";
        }
    }
    EXPECT_EQ(administrators, 1);
}

}  // namespace
