#include "network/trip_sale_summary.h"

#include <gtest/gtest.h>

#include "network/trip_delete.h"
#include "tests/network/station_server.h"
#include "tests/support/qt_print.h"

namespace {

// Tickets of trip 0800 on 2008-05-07: sold, checked, gone, a refund, a hold; and tickets of
// another day and another trip.
class TripTickets : public ::testing::Test {
protected:
    void SetUp() override {
        server.database.translateAndRun(
            u"insert into 已售车票 (票号,车次,乘车日期,座位号,数量,票价,标志,开出) values"
            u"('050707080001','0800','2008-05-07','01',1,25,'全票','否'),"
            u"('050707080002','0800','2008-05-07','02',1,12.5,'半票','已检'),"
            u"('050707080003','0800','2008-05-07','03',1,25,'全票','是'),"
            u"('050700080004','0800','2008-05-07','04',-1,-25,'退票','否'),"
            u"('050707080005','0800','2008-05-07','05',1,0,'留位','否'),"
            u"('050708080001','0800','2008-05-08','01',1,25,'全票','否'),"
            u"('050707090001','0900','2008-05-07','01',1,25,'全票','已检')");
    }

    StationServer server;
};

TEST_F(TripTickets, SummaryCountsSoldCheckingAndSent) {
    const TripSaleSummary summary = ReadTripSaleSummary(server, QDate(2008, 5, 7), u"0800");
    EXPECT_EQ(summary.sold, 3);
    EXPECT_EQ(summary.checking, 1);
    EXPECT_EQ(summary.sent, 1);
    EXPECT_EQ(summary.line(), u"共售出：3    正在检：1    未检：1    已发送：1");
    EXPECT_EQ(server.calls.value(0),
              u"Open: select sum(数量) from 已售车票 where 票价>0 and 标志<>'退票'  and 乘车日期='2008-05-07' and 车次='0800'");

    const TripSaleSummary none = ReadTripSaleSummary(server, QDate(2008, 5, 9), u"0800");
    EXPECT_EQ(none.line(), u"共售出：0    正在检：0    未检：0    已发送：0");

    EXPECT_EQ(server.rowTexts(TripTicketsFromQuery(QDate(2008, 5, 8), u"0800")).size(), 1);
}

TEST_F(TripTickets, TripWithTicketsIsKeptWhenTheDatabaseChecks) {
    server.database.translateAndRun(u"insert into 站台客车 (车次,状态) values('0800','开'),('1000','开')");
    EXPECT_EQ(DeleteTrip(server, u"0800", true), u"不能“删除”本车次，因为本车次已有售票记录!!");
    EXPECT_FALSE(DeleteTrip(server, u"1000", true).has_value());
    EXPECT_EQ(server.rowTexts(QStringLiteral("select 车次 from 站台客车")), QStringList{"0800"});
    EXPECT_FALSE(DeleteTrip(server, u"0800", false).has_value());
    EXPECT_TRUE(server.rowTexts(QStringLiteral("select 车次 from 站台客车")).isEmpty());
}

}  // namespace
