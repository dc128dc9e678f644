#include <gtest/gtest.h>

#include "appserver/schema/catalogue.h"
#include "tests/schema/sqlite_database.h"
#include "tests/support/qt_print.h"

namespace {

class SchemaDatabase : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(db.runAll(schema::SqliteCreateStatements()), ""); }

    // A row of 已售车票 as the sale, a hold or a refund writes it.
    QString ticket(const QString& number, const QString& seat, const QString& kind) {
        return QStringLiteral(
                   "insert into 已售车票 (票号,车次,乘车日期,座位号,到站,数量,票价,售票员,标志,原票号) "
                   "values('%1','8003','2008-05-07','%2','深圳',%3,%4,'1001','%5','%1')")
            .arg(number, seat, kind == "退票" ? "-1" : "1", kind == "留位" ? "0" : "750000", kind);
    }

    SqliteDatabase db;
};

TEST_F(SchemaDatabase, SeatHasAtMostOneLiveRow) {
    ASSERT_EQ(db.run(ticket("050707800305", "05", "全票")), "");
    EXPECT_NE(db.run(ticket("050707800305", "05", "半票")), "") << "second sale of a taken seat";
    EXPECT_EQ(db.run(ticket("050700800305", "05", "退票")), "") << "a refund row beside the sale";
    EXPECT_EQ(db.run(ticket("050707800306", "06", "留位")), "");
    EXPECT_NE(db.run(ticket("050707800306", "06", "全票")), "") << "a hold occupies its seat";
}

TEST_F(SchemaDatabase, RefundedSeatCanBeSoldAgain) {
    ASSERT_EQ(db.run(ticket("050707800305", "05", "全票")), "");
    ASSERT_EQ(db.run("update 已售车票 set 票号='050799800305',标志='退票' where 票号='050707800305'"), "");
    ASSERT_EQ(db.run(ticket("050700800305", "05", "退票")), "");
    EXPECT_EQ(db.run(ticket("050707800305", "05", "全票")), "");
    EXPECT_EQ(db.value("select count(*) from 已售车票 where 票号='050707800305'"), "1");
}

TEST_F(SchemaDatabase, TripsWithoutSeatNumbersSellManyTicketsOnSeat00) {
    EXPECT_EQ(db.run(ticket("0507070A0001", "00", "全票")), "");
    EXPECT_EQ(db.run(ticket("0507070A0002", "00", "全票")), "");
    EXPECT_EQ(db.run(ticket("0507070A0002", "00", "退票")), "") << "ticket numbers may repeat";
}

TEST_F(SchemaDatabase, OneSeatCounterPerDateAndTrip) {
    ASSERT_EQ(db.run("insert into desklist (DATE0,CCNO,DESK) values('08-05-07','8003','0')"), "");
    EXPECT_NE(db.run("insert into DeskList (DATE0,CCNO,DESK) values('08-05-07','8003','0')"), "");
    EXPECT_EQ(db.run("insert into DeskList (DATE0,CCNO,DESK) values('08-05-08','8003','0')"), "");
    EXPECT_EQ(db.run("insert into DeskList (DATE0,CCNO) values('08-05-07','8004')"), "");
    EXPECT_EQ(db.rows("select DESK, SSUM from DeskList where CCNO='8004'"),
              QStringList{QString(60, u'0') + "|0"});
}

TEST_F(SchemaDatabase, SellerHasAtMostOneOpenShift) {
    const QString open = QStringLiteral(
        "insert into 现金管理 (当班日期,当班人,上班时间,下班时间,交班人,接班人,转入现金,类型,已结,起始票号1,"
        "起始票号2,废票数,保险费) values('2008-05-07','%1','08:00','未知','开班登记','未知',200,'首班',0,"
        "46568843,0,0,0)");
    ASSERT_EQ(db.run(open.arg("1001")), "");
    EXPECT_NE(db.run(open.arg("1001")), "");
    EXPECT_EQ(db.run(open.arg("1002")), "");
    ASSERT_EQ(db.run("update 现金管理 set 已结=1,类型='财务结算' where 当班人='1001' and 已结=0"), "");
    EXPECT_EQ(db.run(open.arg("1001")), "");
    EXPECT_EQ(db.rows("select 结算号 from 现金管理 where 当班人='1001' order by 结算号"),
              (QStringList{"1", "3"}));
    // The reports subtract the roll serials; an opened shift must not give a null there.
    EXPECT_EQ(db.value("select 终止票号1-起始票号1+终止票号2-起始票号2 from 现金管理 where 结算号=3"),
              "-46568843");
}

TEST_F(SchemaDatabase, StorageClerkHasAtMostOneOpenShift) {
    const QString open = QStringLiteral(
        "insert into 保管费收入 (当班日期,当班人,上班时间,交班人,转入现金,类型,已结) "
        "values('2008-05-07','5001','08:00','财务人员',100,'首班',0)");
    ASSERT_EQ(db.run(open), "");
    EXPECT_NE(db.run(open), "");
}

TEST_F(SchemaDatabase, InspectionNumbersAreNeverGivenTwice) {
    const QString insert =
        QStringLiteral("insert into 客车安检表 (AllOK,ZJGStr) values(1,'2、不合格原因：')");
    ASSERT_EQ(db.run(insert), "");
    ASSERT_EQ(db.run(insert), "");
    ASSERT_EQ(db.run("delete from 客车安检表 where ID=2"), "");
    ASSERT_EQ(db.run(insert), "");
    EXPECT_EQ(db.value("select max(ID) from 客车安检表"), "3");
}

struct DefaultCase {
    const char* insert;
    const char* check;
    const char* expected;
};

// Inserts that leave columns out, as the workstations send them.
const DefaultCase kDefaultCases[] = {
    {"insert into 站台客车 (车次,线路名称,类型,发车时间,停靠站台,检票口,状态) "
     "values('8003','深圳班','直达','12:30','1号','1','开')",
     "select 起始座号,加售分钟,末班车,停刷,IC卡号 from 站台客车", "1|0|0|0|"},
    {"insert into 发车表 (车次,线路名称,类型,发车时间,停靠站台,检票,检票口) "
     "select 车次,线路名称,类型,发车时间,停靠站台,'否',检票口 from 站台客车 "
     "where (状态='开' and 车次 not in (select 车次 from 发车表))",
     "select 座位数,售出,已检,承运客车,检到车次,车属单位 from 发车表", "0|0|0|||"},
    {"insert into 客车 (客车编号,客车名称) values('12301','大巴')", "select 座位数 from 客车", "10"},
    {"insert into 包车 (包车人,包车日期,所包车次,包车费共,支付定金,误车否) "
     "values('李','08-05-07','8003',1500,500,'不误')",
     "select 结账人,结账日期 from 包车", "|"},
    {"insert into 已售车票 (票号,车次,乘车日期,座位号,数量,票价,标志) "
     "values('050707800305','8003','2008-05-07','05',1,0,'留位')",
     "select 结算号,流水号,已结账,PID,开出 from 已售车票", "NULL|NULL|0|0|否"},
    {"insert into 系统参数表 (可预售天数,半票率,小数位) values(14,50,1)",
     "select 票价浮动,加收费用,PrnSelf,T10Y from 系统参数表", "0|0|0|0"},
};

TEST_F(SchemaDatabase, ColumnsThatInsertsLeaveOutStartWithTheirDefaults) {
    for (const DefaultCase& c : kDefaultCases) {
        SCOPED_TRACE(c.insert);
        ASSERT_EQ(db.run(QString::fromUtf8(c.insert)), "");
        EXPECT_EQ(db.rows(QString::fromUtf8(c.check)), QStringList{QString::fromUtf8(c.expected)});
    }
}

}  // namespace
