#include <gtest/gtest.h>

#include "tests/dialect/station_database.h"
#include "tests/dialect/variant_print.h"
#include "tests/support/qt_print.h"

namespace {

// A seller's day in the workstations' own statements: open a shift, sell, hold, refund, settle,
// and sum the accounting period. Each step reads back what the next one relies on.
class SaleDay : public ::testing::Test {
  protected:
    void SetUp() override {
        run(u"insert into 操作员 (操作员代号,操作员姓名,操作员职务,操作员密码) "
            u"values('0101','张三','售票员','x')");
        run(u"insert into 现金管理 "
            u"(当班日期,当班人,上班时间,下班时间,交班人,接班人,转入现金,类型,已结,起始票号1,"
            u"起始票号2,废票数,保险费) "
            u"values('2008-05-07','0101','08:00','未知','开班登记','未知',100,'首班',0,"
            u"100001,0,0,0)");
        shift =
            run(u"select * from 现金管理 where  (当班人='0101') and (已结=0)").value(0).value(0).toLongLong();
        run(u"insert into desklist (DATE0,CCNO,DESK) values('08-05-07','8003','"_qs + QString(60, u'0') +
            u"')"_qs);
        sell(u"050708003001"_qs, u"01"_qs, u"全票"_qs, u"25.5"_qs);
        sell(u"050708003002"_qs, u"02"_qs, u"半票"_qs, u"12.5"_qs);
        run(u"insert into 已售车票 "
            u"(票号,车次,行车方向,乘车日期,乘车时间,座位号,到站,数量,票价,售票员,售出时间,检票员,"
            u"检票时间,停靠卡位,类型,车型,标志,已结账,原票号,PID,开出,保险额) "
            u"values('050708003003','8003','广深线',"
            u"'2008-05-07','08:30','03','深圳',1,0,'0101','2008-05-07 "
            u"07:55.00','0101','无需检票','3号位','直达',"
            u"'大巴','留位',0,'050708003003','0','否',0)");
    }

    QList<QVariantList> run(QStringView statement) { return database.translateAndRun(statement); }

    void sell(const QString& ticket, const QString& seat, const QString& flag, const QString& fare) {
        run(QStringLiteral(
                "insert into 已售车票 (票号,车次,行车方向,乘车日期,乘车时间,座位号,到站,数量,票价,售票员,"
                "售出时间,检票员,检票时间,停靠卡位,类型,车型,标志,已结账,原票号,PID,开出,结算号,流水号,"
                "保险额) values('%1','8003','广深线','2008-05-07','08:30','%2','深圳',1,%3,'0101',"
                "'2008-05-07 07:50.00','未知','未检','3号位','直达','大巴','%4',0,'%1','0','否',%5,%6,2)")
                .arg(ticket, seat, fare, flag)
                .arg(shift)
                .arg(100001 + seat.toInt()));
        run(u"update desklist set ssum=ssum+1 where date0+ccno='08-05-078003'");
    }

    QVariantList seatMap() {
        QVariantList seats;
        for (const QVariantList& row :
             run(u"select 座位号,到站,标志 from 已售车票 where 乘车日期+车次='2008-05-078003' and "
                 u"标志<>'退票' order by 座位号"))
            seats.append(row.value(0));
        return seats;
    }

    StationDatabase database;
    qlonglong shift = 0;
};

TEST_F(SaleDay, ARefundedSeatIsFreeAndAHoldOccupiesItsSeat) {
    EXPECT_EQ(seatMap(), QVariantList({u"01"_qs, u"02"_qs, u"03"_qs}));
    run(u"update 已售车票 set 票号='050799003002',标志='退票',检票员='无需检票',检票时间='无需检票' "
        u"where 票号='050708003002'");
    run(QStringLiteral(
            "insert into 已售车票 "
            "(票号,车次,行车方向,乘车日期,乘车时间,座位号,到站,数量,票价,售票员,售出时间,"
            "检票员,检票时间,停靠卡位,类型,标志,已结账,原票号,PID,开出,结算号,流水号,保险额) values("
            "'050700003002','8003','广深线','2008-05-07','08:30','02','深圳',-1,-10,'0101',"
            "'2008-05-07 08:10.00','无需检票','无需检票','3号位','直达','退票',0,'050708003002','0','否',"
            "0%1,100004,-2)")
            .arg(shift));
    EXPECT_EQ(seatMap(), QVariantList({u"01"_qs, u"03"_qs}));
    EXPECT_TRUE(
        run(u"select 票号 from 已售车票 where 乘车日期+车次+座位号='2008-05-07800302' and 标志<>'退票'")
            .isEmpty());
    EXPECT_EQ(
        run(u"select 票号 from 已售车票 where 乘车日期+车次+座位号='2008-05-07800303' and 标志<>'退票'"),
        QList<QVariantList>({{u"050708003003"_qs}}));

    // The seller's totals: what was sold, and the refund row apart (amounts in ten-thousandths).
    const QList<QVariantList> sales =
        run(u"select sum(数量),sum(票价),sum(保险额) from 已售车票 where 售票员='0101' and  (已结账=0) and  "
            u"票价>0");
    EXPECT_EQ(sales, QList<QVariantList>({{2, 380000, 4}}));
    const QList<QVariantList> refunds = run(
        QStringLiteral("select sum(数量),sum(票价) from 已售车票 where 标志='退票' and 票价<0 and 结算号=%1")
            .arg(shift));
    EXPECT_EQ(refunds, QList<QVariantList>({{-1, -100000}}));
}

TEST_F(SaleDay, SettlementMovesTheShiftAndThePeriodSumsItPerSeller) {
    EXPECT_EQ(run(u"select SSUM from DeskList where DATE0='08-05-07' and CCNO='8003'").value(0).value(0), 2);
    run(QStringLiteral("update 已售车票 set 已结账=1,结算号=%1 where (售票员='0101') and (已结账=0)")
            .arg(shift));
    run(QStringLiteral(
            "insert into 已售车票_往日 "
            "(票号,车次,行车方向,到站,类型,乘车日期,乘车时间,座位号,数量,票价,售票员,"
            "标志,检票员,承运客车,售出时间,重打,结算号,流水号,保险额) select 票号,车次,行车方向,到站,类型,"
            "乘车日期,乘车时间,座位号,数量,票价,售票员,标志,检票员,承运客车,售出时间,PID,结算号,流水号,"
            "保险额  "
            "from 已售车票 where 结算号=%1")
            .arg(shift));
    EXPECT_EQ(run(u"select count(*),sum(票价) from 已售车票_往日"), QList<QVariantList>({{3, 380000}}));

    run(u"update 现金管理 set 当班日期='2008-05-07', 下班时间='17:30', 接班人='0102', 转出现金=138, "
        u"当班收入=38, "
        u"售票数量=2, 售票收入=38, 退票数量=0, 退票金额=0, 差额=0, 类型='财务结算', 已结=1, "
        u"终止票号1=100003, "
        u"终止票号2=0, 保险费=4, 废票数=0 where 当班人='0101' and 已结=0");
    run(u"insert into 财务期间 "
        u"(售票员,初始现金,售票数量,售票收入,退票数量,退票金额,应结金额,实结金额,差额,财务期间,"
        u"统计起始日,统计终止日) select 当班人+' "
        u"'+B.操作员姓名,sum(转入现金),sum(售票数量),sum(售票收入),sum(退票数量),"
        u"sum(退票金额),sum(当班收入),sum(转出现金),sum(差额) as 差额,'2008-05','2008-05-01','2008-05-31' "
        u"from 现金管理 A,"
        u"操作员 B where 当班日期>='2008-05-01' and 当班日期<='2008-05-31' and 当班人=B.操作员代号 group by "
        u"当班人+' '+B.操作员姓名");
    EXPECT_EQ(run(u"select 售票员,初始现金,售票收入,实结金额 from 财务期间 where left(财务期间,4)= '2008'"),
              QList<QVariantList>({{u"0101 张三"_qs, 1000000, 380000, 1380000}}));
}

}  // namespace
