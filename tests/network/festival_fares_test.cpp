#include "network/festival_fares.h"

#include <gtest/gtest.h>

#include "network/fare_lookup.h"
#include "network/festival_fare_checks.h"
#include "common/sql.h"
#include "server/record_view.h"
#include "server/schema_names.h"
#include "tests/network/station_server.h"
#include "tests/support/qt_print.h"

namespace {

Money yuan(const char* text) { return *Money::parse(QString::fromLatin1(text)); }

struct RaiseCase {
    const char* price;
    int percent;
    const char* raised;
};

TEST(RaisedFare, RoundsHalfUpToWholeYuanExactly) {
    const RaiseCase cases[] = {
        {"12", 10, "13"},      // 13.2
        {"18", 10, "20"},      // 19.8
        {"12.5", 10, "14"},    // 13.75
        {"15", -50, "8"},      // 7.5 goes up
        {"16", -50, "8"},
        {"10", 15, "12"},      // 11.5 exactly: a floating-point factor makes it 11
        {"35", -30, "25"},     // 24.5 exactly: a floating-point factor makes it 24
        {"12.5", 0, "13"},     // jiao are rounded away even without a raise
        {"12.4999", 0, "12"},
        {"0", 1000, "0"},
        {"100", 1000, "1100"},
        {"33.33", 5, "35"},    // 34.9965
        {"0.0001", -50, "0"},
    };
    for (const RaiseCase& c : cases) {
        EXPECT_EQ(RaisedFare(yuan(c.price), c.percent), yuan(c.raised)) << c.price << " by " << c.percent << '%';
    }
}

FestivalFareRow row(const QString& code, std::array<const char*, 6> firstToSixth) {
    FestivalFareRow r{QStringLiteral("20041001"), code, QStringLiteral("O'Hare"), {}};
    for (FareClass fareClass : kFareClasses) r.fares[fareClass] = yuan(firstToSixth[static_cast<size_t>(fareClass)]);
    return r;
}

TEST(FestivalFareStatements, TextsAsTheServerReceivesThem) {
    const FestivalFareRow r = row("0101", {"1", "2", "3", "4", "5", "6.5"});
    EXPECT_EQ(FestivalDateInserts({r}, QStringLiteral("20050501")),
              QStringList{u"insert into 票价表节日 (调价日期,站点编号,站点名称,六类价,五类价,四类价,三类价,二类价,一类价) "
                          u"values('20050501','0101','O''Hare',6.5,5,4,3,2,1)"_qs});
    EXPECT_EQ(FestivalClassUpdate(r, FareClass::Third),
              u"update 票价表节日 set 三类价=3 where 调价日期='20041001' and 站点编号='0101'");
    EXPECT_EQ(FestivalAllClassesUpdate(r),
              u"update 票价表节日 set  六类价=6.5,五类价=5,四类价=4,三类价=3,二类价=2,一类价=1 "
              u"where 调价日期='20041001' and 站点编号='0101'");
    EXPECT_EQ(FestivalRowEditorUpdate(r),
              u"update 票价表节日 set  六类价=6.5,五类价=5,四类价=4,三类价=3,二类价=2,一类价=1 "
              u"where 调价日期='20041001' and  站点编号='0101'");
    EXPECT_EQ(FestivalDateDelete(QStringLiteral("2004'1001")), u"delete from 票价表节日 where 调价日期='2004''1001'");
    EXPECT_EQ(FestivalFaresClear(), u"delete from 票价表节日");
}

TEST(RaiseFestivalFares, OneClassOrAllSix) {
    QList<FestivalFareRow> rows = {row("0101", {"12", "18", "12.5", "15", "16", "10"}),
                                   row("0102", {"20", "20", "20", "20", "20", "20"})};
    const QStringList third = RaiseFestivalFares(rows, FareClass::Third, 10);
    EXPECT_EQ(third, (QStringList{
                         u"update 票价表节日 set 三类价=14 where 调价日期='20041001' and 站点编号='0101'"_qs,
                         u"update 票价表节日 set 三类价=22 where 调价日期='20041001' and 站点编号='0102'"_qs,
                     }));
    EXPECT_EQ(rows[0].fares, row("0101", {"12", "18", "14", "15", "16", "10"}).fares);

    const QStringList all = RaiseFestivalFares(rows, std::nullopt, -50);
    EXPECT_EQ(all.size(), 2);
    EXPECT_EQ(all[0], u"update 票价表节日 set  六类价=5,五类价=8,四类价=8,三类价=7,二类价=9,一类价=6 "
                      u"where 调价日期='20041001' and 站点编号='0101'");
}

TEST(FestivalFareChecks, MessagesOfTheDateButtons) {
    const QStringList dates = {QStringLiteral("20040501")};
    EXPECT_EQ(NewFestivalDateRefusal(QStringLiteral("20040501"), dates), u"本日期票价数据已存在!");
    EXPECT_EQ(NewFestivalDateRefusal(QStringLiteral("2004-5-01"), dates), u"此处日期长度必须为8位，如:20040805");
    EXPECT_EQ(NewFestivalDateRefusal(QStringLiteral("2004051"), dates), u"此处日期长度必须为8位，如:20040805");
    // Only the length is checked.
    EXPECT_FALSE(NewFestivalDateRefusal(QStringLiteral("2004050a"), dates).has_value());
    EXPECT_FALSE(NewFestivalDateRefusal(QStringLiteral("2004-5-1"), dates).has_value());

    EXPECT_EQ(PasteFestivalDateRefusal(QString(), QStringLiteral("20041001"), dates), u"请先复制一个日期数据!");
    EXPECT_EQ(PasteFestivalDateRefusal(QStringLiteral("20040501"), QStringLiteral("20040501"), dates), u"本日期票价数据已存在!");
    EXPECT_EQ(PasteFestivalDateRefusal(QStringLiteral("20040501"), QStringLiteral("200410"), dates), u"日期长度必须为8位，如:20040805");
    EXPECT_FALSE(PasteFestivalDateRefusal(QStringLiteral("20040501"), QStringLiteral("20041001"), dates).has_value());

    EXPECT_EQ(CopyFestivalDateRefusal(0, QStringLiteral("20040501")), u"不能复制空记录!");
    EXPECT_EQ(CopyFestivalDateRefusal(3, QStringLiteral("2004051")), u"日期格式不正确!");
    EXPECT_FALSE(CopyFestivalDateRefusal(3, QStringLiteral("20040501")).has_value());

    EXPECT_EQ(RaisedFareClass(kAllFareClassesChoice), std::nullopt);
    EXPECT_EQ(RaisedFareClass(QStringLiteral("三类价")), FareClass::Third);
    EXPECT_EQ(RaiseQuestion(kAllFareClassesChoice, 10), u"确定“全部票价”上浮：10%吗?");
    EXPECT_EQ(RaiseQuestion(QStringLiteral("三类价"), -5), u"确定“三类价”上浮：-5%吗?");
    EXPECT_EQ(DeleteFestivalDateQuestion(QStringLiteral("20040501")), u"你确实要删除20040501日的票价吗？");
}

// The fare table of two stops on the station's schema; festival dates are made from it.
class FestivalFares : public ::testing::Test {
protected:
    void SetUp() override {
        server.database.translateAndRun(
            u"insert into 票价表 (站点编号,站点名称,路程,一类价,二类价,三类价,四类价,五类价,六类价) values"
            u"('0101','深圳',120,12,18,12.5,15,16,20),('0102','东莞',60,20,20,20,20,20,20)");
    }

    // Rows of either fare table, as the window reads them.
    QList<FestivalFareRow> fareRows(const QString& query) {
        QList<FestivalFareRow> rows;
        const wire::DataSet data = server.open(provider::Query, query);
        const bool hasDate = RecordView::indexOf(data.fields, QStringLiteral("调价日期")) >= 0;
        for (const QList<QVariant>& cells : data.rows) {
            const RecordView view(data.fields, cells);
            rows << FestivalFareRow{hasDate ? view.text(QStringLiteral("调价日期")) : QString(),
                                    view.text(QStringLiteral("站点编号")), view.text(QStringLiteral("站点名称")),
                                    ClassFaresOf(view)};
        }
        return rows;
    }

    QList<FestivalFareRow> listed(const QString& date) {
        return fareRows(FestivalFaresQuery() + QStringLiteral(" where 调价日期=") + sqlText(date) +
                        QStringLiteral(" order by 站点编号"));
    }

    StationServer server;
};

TEST_F(FestivalFares, DateMadeFromTheFareTableThenCopiedRaisedAndLookedUp) {
    const QList<FestivalFareRow> fareTable = fareRows(QStringLiteral("select * from 票价表 order by 站点编号"));
    ASSERT_EQ(fareTable.size(), 2);

    SendFestivalFareStatements(server, FestivalDateInserts(fareTable, QStringLiteral("20040501")));
    const QList<FestivalFareRow> mayDay = listed(QStringLiteral("20040501"));
    ASSERT_EQ(mayDay.size(), 2);
    EXPECT_EQ(mayDay[0].fares, fareTable[0].fares);

    SendFestivalFareStatements(server, FestivalDateInserts(mayDay, QStringLiteral("20041001")));
    QList<FestivalFareRow> nationalDay = listed(QStringLiteral("20041001"));
    SendFestivalFareStatements(server, RaiseFestivalFares(nationalDay, std::nullopt, 10));
    SendFestivalFareStatements(server, RaiseFestivalFares(nationalDay, FareClass::Sixth, 5));

    EXPECT_EQ(server.rowTexts(QStringLiteral(
                  "select 调价日期,站点编号,一类价,二类价,三类价,四类价,五类价,六类价 from 票价表节日 "
                  "order by 调价日期,站点编号")),
              (QStringList{"20040501|0101|120000|180000|125000|150000|160000|200000",
                           "20040501|0102|200000|200000|200000|200000|200000|200000",
                           "20041001|0101|130000|200000|140000|170000|180000|230000",
                           "20041001|0102|220000|220000|220000|220000|220000|230000"}));

    // The sale asks for a stop's fares on a travel date: the festival row first, else the fare table.
    EXPECT_EQ(FaresForTravelDate(server, QDate(2004, 10, 1), u"0101").value()[FareClass::Third], yuan("14"));
    EXPECT_EQ(FaresForTravelDate(server, QDate(2004, 10, 2), u"0101"), fareTable[0].fares);
    EXPECT_FALSE(FaresForTravelDate(server, QDate(2004, 10, 1), u"0999").has_value());

    SendFestivalFareStatements(server, {FestivalDateDelete(QStringLiteral("20041001"))});
    EXPECT_EQ(FaresForTravelDate(server, QDate(2004, 10, 1), u"0101"), fareTable[0].fares);
    EXPECT_EQ(server.calls.filter(QStringLiteral("ExecBatch")).size(), 5);
}

TEST(FareLookup, FestivalRowByItsDateAndStopKey) {
    EXPECT_EQ(FestivalFareLookup(QDate(2004, 8, 5), u"0'1"),
              u"select * from 票价表节日 where 调价日期+站点编号='200408050''1'");
    EXPECT_EQ(OrdinaryFareLookup(u"0101"), u"select * from 票价表 where 站点编号='0101'");
}

}  // namespace
