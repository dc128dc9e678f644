#include "network/trip_code.h"

#include <gtest/gtest.h>

#include "network/departure_time.h"
#include "network/trip_card.h"
#include "network/trip_save.h"
#include "tests/network/station_server.h"
#include "tests/support/qt_print.h"

namespace {

TEST(ClassifyTripCode, TwoKindsOfFourCharacters) {
    const std::pair<const char*, TripCodeKind> cases[] = {
        {"1001", TripCodeKind::SoldBySeat},       {"0000", TripCodeKind::SoldBySeat},
        {"A100", TripCodeKind::SoldWithoutSeats}, {"AB00", TripCodeKind::SoldWithoutSeats},
        {"A000", TripCodeKind::SoldWithoutSeats}, {"A1B0", TripCodeKind::Invalid},
        {"1A00", TripCodeKind::Invalid},          {"a100", TripCodeKind::Invalid},
        {"A-00", TripCodeKind::Invalid},          {"100", TripCodeKind::Invalid},
        {"10010", TripCodeKind::Invalid},         {"", TripCodeKind::Invalid},
    };
    for (const auto& [code, kind] : cases) EXPECT_EQ(ClassifyTripCode(QString::fromLatin1(code)), kind) << code;
}

const QString kNotDigitsMessage = QStringLiteral(
    "编号不对！\n4位全为数字，表示按座售票。\n若要设无座票班次，必须字母开头，后两位为00, 如：A100，AB00");
const QString kNotDoubleZeroMessage =
    QStringLiteral("后两位必须为00\n设为无座票班次时，必须字母开头，后两位为00  如：A100，AB00");

TEST(TripCodeRefusalOnLeave, MessagesOfTheCodeEdit) {
    const std::pair<const char*, std::optional<QString>> cases[] = {
        {"1001", std::nullopt},
        {"A100", std::nullopt},
        {"AB00", std::nullopt},
        {"12", std::nullopt},  // short codes are refused when saved
        {"", std::nullopt},
        {"1A00", kNotDigitsMessage},
        {"10A0", kNotDigitsMessage},
        {"A1B0", kNotDoubleZeroMessage},
        {"AB01", kNotDoubleZeroMessage},
        {"A1", kNotDoubleZeroMessage},
    };
    for (const auto& [code, message] : cases) EXPECT_EQ(TripCodeRefusalOnLeave(QString::fromLatin1(code)), message) << code;
}

TEST(AcceptedTripCodeKey, UpperCasesLettersAndRefusesTheRest) {
    EXPECT_EQ(AcceptedTripCodeKey(u'a'), QChar(u'A'));
    EXPECT_EQ(AcceptedTripCodeKey(u'Z'), QChar(u'Z'));
    EXPECT_EQ(AcceptedTripCodeKey(u'7'), QChar(u'7'));
    EXPECT_EQ(AcceptedTripCodeKey(u'\b'), QChar(u'\b'));
    EXPECT_EQ(AcceptedTripCodeKey(u'\t'), QChar(u'\t'));
    EXPECT_EQ(AcceptedTripCodeKey(u'\r'), QChar(u'\r'));
    for (QChar refused : QStringLiteral("-: 车é")) EXPECT_FALSE(AcceptedTripCodeKey(refused).has_value()) << int(refused.unicode());
}

TEST(DepartureMinutes, OnlyHoursAndMinutesOfTheDay) {
    EXPECT_EQ(DepartureMinutes(u"00:00"), 0);
    EXPECT_EQ(DepartureMinutes(u"08:05"), 485);
    EXPECT_EQ(DepartureMinutes(u"23:59"), 1439);
    for (const char16_t* malformed : {u"", u"8:05", u"08:5", u"24:00", u"08:60", u"08.05", u"0805 ", u"ab:cd", u"08:05 ", u"+8:05"}) {
        EXPECT_FALSE(DepartureMinutes(malformed).has_value()) << QString::fromUtf16(malformed).toStdString();
    }
}

TEST(TripSaveRefusal, CodeThenDepartureTime) {
    const QString refusedCode = QStringLiteral("\"0000\",不能使用该编号，请删除本车次资料！");
    const QString badCode = QStringLiteral("车次编号必须为4位，或全为数字，或字母开头后两位为00！");
    const QString badTime = QStringLiteral("发车时间格式不对，必须为5位，如“13:05”“08:02”！");
    struct Case {
        const char* code;
        const char* time;
        std::optional<QString> refusal;
    };
    const Case cases[] = {
        {"1001", "08:05", std::nullopt},
        {"A100", "23:59", std::nullopt},
        {" 1001", "08:05", std::nullopt},  // blanks around the code do not count
        {"0000", "08:05", refusedCode},
        {"0000", "8:5", refusedCode},
        {"100", "08:05", badCode},
        {"", "08:05", badCode},
        {"1A00", "08:05", badCode},
        {"1001", "8:05", badTime},
        {"1001", "", badTime},
        {"1001", "24:00", badTime},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TripSaveRefusal(QString::fromLatin1(c.code), QString::fromLatin1(c.time)), c.refusal) << c.code << ' ' << c.time;
    }
}

TEST(TripSaveStatements, InsertThenUpdateOfEveryColumn) {
    EXPECT_EQ(TripCodeLookup(u"1001"), u"select 车次 from 站台客车 where 车次='1001'");
    EXPECT_EQ(NewTripInsert(u"A100"), u"insert into 站台客车 (车次,发车时间,停刷,末班车) values('A100','12:00',0,0)");
    EXPECT_EQ(TripCodeTakenMessage(u"1001"), u"[1001]该车次编号已被使用，请改用其它编号！");

    TripRecord trip;
    trip.code = QStringLiteral("1001");
    trip.departureTime = QStringLiteral("08:05");
    trip.gate = QStringLiteral("A");
    trip.routeCode = QStringLiteral("01");
    trip.routeName = QStringLiteral("O'Hare线");
    trip.defaultBus = QStringLiteral("虚拟");
    trip.busOfTheDay = QStringLiteral("粤A1234");
    trip.kind = QStringLiteral("直达");
    trip.lastBus = true;
    trip.fareClass = QStringLiteral("三类价");
    trip.todayState = QStringLiteral("开");
    trip.sellsToMidwayStops = QStringLiteral("可售");
    trip.bay = QStringLiteral("3号");
    trip.driver = QStringLiteral("张三");
    trip.attendant = QStringLiteral("李四");
    trip.runPlan = QStringLiteral("单程");
    EXPECT_EQ(TripUpdate(trip),
              u"update 站台客车 set 车次='1001', 发车时间='08:05', 检票口='A', 加售分钟=0, 行车线路='01', "
              u"线路名称='O''Hare线', 默认客车='虚拟', 进站客车='粤A1234', IC卡号='', 类型='直达', 末班车=1, "
              u"票价类型='三类价', 状态='开', 起始座号=1, 中途='可售', 停靠站台='3号', 司机='张三', 跟车员='李四', "
              u"路单有效期=1, 运行计划='单程', 停刷=0, 开停条件='E' where 车次='1001'");

    trip.extraMinutes = 15;
    trip.firstSeat = 5;
    trip.routeSheetDays = 3;
    trip.cardPaused = true;
    trip.openStopRule = QStringLiteral("C1,3,5");
    const QString update = TripUpdate(trip);
    for (const char16_t* part : {u"加售分钟=15,", u"起始座号=5,", u"路单有效期=3,", u"停刷=1,", u"开停条件='C1,3,5' where"}) {
        EXPECT_TRUE(update.contains(QString::fromUtf16(part))) << QString::fromUtf16(part).toStdString();
    }
}

TripRecord newTrip(const QString& code, const QString& time) {
    TripRecord trip;
    trip.code = code;
    trip.departureTime = time;
    trip.todayState = QStringLiteral("开");
    return trip;
}

TEST(SaveTrip, NewTripIsInsertedThenCompletedAndAnnounced) {
    StationServer server;
    const TripSaveResult saved = SaveTrip(server, newTrip(QStringLiteral("A100"), QStringLiteral("07:30")), true);
    EXPECT_FALSE(saved.refusal.has_value());
    EXPECT_EQ(server.calls.size(), 4);
    EXPECT_TRUE(server.calls.value(0).startsWith(u"Open: select 车次 from 站台客车"));
    EXPECT_TRUE(server.calls.value(1).startsWith(u"ExeSql1: insert into 站台客车"));
    EXPECT_TRUE(server.calls.value(2).startsWith(u"ExeSql2: update 站台客车"));
    EXPECT_EQ(server.calls.value(3), u"Send_Get_Data: op_sd2allRefleshdb_stabus");
    EXPECT_EQ(server.rowTexts(QStringLiteral("select 车次,发车时间,状态,开停条件,起始座号,加售分钟,路单有效期,末班车,停刷 from 站台客车")),
              QStringList{"A100|07:30|开|E|1|0|1|0|0"});

    server.calls.clear();
    const TripSaveResult again = SaveTrip(server, newTrip(QStringLiteral("A100"), QStringLiteral("09:00")), true);
    EXPECT_EQ(again.refusal, u"[A100]该车次编号已被使用，请改用其它编号！");
    EXPECT_TRUE(again.codeTaken);
    EXPECT_EQ(server.calls.size(), 1);

    TripRecord edited = newTrip(QStringLiteral("A100"), QStringLiteral("09:00"));
    edited.openStopRule = QStringLiteral("D06,20");
    server.calls.clear();
    EXPECT_FALSE(SaveTrip(server, edited, false).refusal.has_value());
    EXPECT_EQ(server.calls.size(), 2);
    EXPECT_EQ(server.rowTexts(QStringLiteral("select 发车时间,开停条件 from 站台客车")), QStringList{"09:00|D06,20"});
}

TEST(CancelTripCard, ClearsTheCardAndThePause) {
    StationServer server;
    server.database.translateAndRun(u"insert into 站台客车 (车次,IC卡号,停刷) values('0800','12345',1),('0900','678',1)");
    server.ExeSql2(CancelTripCard(u"0800"));
    EXPECT_EQ(server.rowTexts(QStringLiteral("select 车次,IC卡号,停刷 from 站台客车 order by 车次")),
              (QStringList{"0800||0", "0900|678|1"}));
}

TEST(SaveTrip, RefusedTripWritesNothing) {
    StationServer server;
    for (const TripRecord& trip : {newTrip(QStringLiteral("0000"), QStringLiteral("08:00")),
                                   newTrip(QStringLiteral("1A00"), QStringLiteral("08:00")),
                                   newTrip(QStringLiteral("1001"), QStringLiteral("8:00"))}) {
        EXPECT_TRUE(SaveTrip(server, trip, true).refusal.has_value()) << trip.code.toStdString();
    }
    EXPECT_TRUE(server.calls.isEmpty());
}

}  // namespace
