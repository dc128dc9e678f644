#include "shell/system_parameters.h"

#include <gtest/gtest.h>

#include "protocol/dataset.h"
#include "tests/support/qt_print.h"

namespace {

TEST(SystemParameters, FirstStartWritesOneInsertAndSixUpdates) {
    const SystemParameters p = SystemParameters::firstStart(QStringLiteral("青禾汽车站"), QStringLiteral("0768-1234567"));
    const QStringList statements = p.firstStartStatements();
    ASSERT_EQ(statements.size(), 7);
    EXPECT_EQ(statements[0], u"insert into 系统参数表 (可预售天数,半票率,小数位) values(14,50,1)");
    EXPECT_EQ(statements[1],
              u"update 系统参数表 set 售票记录保留天数=10,票款结算记录保留天数=100,车次汇总记录保留天数=100,"
              u"各月汇总记录保留月数=60,系统操作日志保留天数=7");
    EXPECT_EQ(statements[2],
              u"update 系统参数表 set 票价浮动=0,业户交费资料保留年数=3,保费汇总资料保留年数=3,保费日常资料保留天数=45,保管费=5");
    EXPECT_EQ(statements[3],
              u"update 系统参数表 set 保管费小票标题='行李物品保管中心',保管费小票脚标='青禾汽车站       电话：0768-1234567',"
              u"小票宽=880,小票高=820,保费小票左边界=20,保费小票上边界=0,是否打印小票=1");
    EXPECT_EQ(statements[4],
              u"update 系统参数表 set 安检编号起始码='R31-',例检单位='青禾汽车站车辆安全检测中心',"
              u"安检合格通知标题1='广东省汽车客运班车报班',安检合格通知标题2='安全例检合格通知书',套打安检通知单=0,"
              u"NeedCheck=0,PrnLDhj=16,PrnLDhx=5");
    EXPECT_EQ(statements[5],
              u"update 系统参数表 set 车票宽=1,条码大小=0,停止售票=3,加收费用=0,扣减费用=0,车票条码类型=' ',PrnSelf=0,"
              u"手工检票密码='59317286'");
    EXPECT_TRUE(statements[6].startsWith(u"update 系统参数表 set T1X=0,T1Y=0,T2X=0"));
    EXPECT_TRUE(statements[6].endsWith(u"T10X=0,T10Y=0"));
    EXPECT_EQ(statements[6].count(u"=0"), 20);
}

TEST(SystemParameters, AStationNameWithAQuoteStaysOneLiteral) {
    const SystemParameters p = SystemParameters::firstStart(QStringLiteral("O'Hare站"), QString());
    EXPECT_TRUE(p.firstStartStatements()[3].contains(u"保管费小票脚标='O''Hare站       电话：'"));
}

wire::DataSet parameterRow(const QList<std::pair<QString, QVariant>>& cells, wire::FieldType moneyType) {
    wire::DataSet set;
    QList<QVariant> row;
    for (const auto& [name, value] : cells) {
        const bool money = name == u"加收费用" || name == u"扣减费用";
        set.fields.append({name, money ? moneyType : wire::FieldType::Integer});
        row.append(value);
    }
    set.rows.append(row);
    return set;
}

TEST(SystemParameters, LoadsTheRowAndTreatsAnyOtherDecimalsAsZero) {
    const auto loaded = SystemParameters::fromRow(parameterRow({{QStringLiteral("可预售天数"), 20},
                                                                 {QStringLiteral("小数位"), 2},
                                                                 {QStringLiteral("停止售票"), 5},
                                                                 {QStringLiteral("加收费用"), qint64(20000)},
                                                                 {QStringLiteral("扣减费用"), qint64(5000)}},
                                                                wire::FieldType::Money));
    EXPECT_EQ(loaded.daysAheadOnSale, 20);
    EXPECT_EQ(loaded.fareDecimals, 0);
    EXPECT_EQ(loaded.saleStopMinutes, 5);
    EXPECT_EQ(loaded.insuranceFee, Money::fromYuan(2));
    EXPECT_EQ(loaded.deductionPerTicket, *Money::parse(u"0.5"));
    EXPECT_EQ(loaded.RefundPercent, 100);
    EXPECT_EQ(loaded.halfFarePercent, 50);  // absent column keeps its first-start value

    const auto decimalOne = SystemParameters::fromRow(parameterRow({{QStringLiteral("小数位"), 1}}, wire::FieldType::Money));
    EXPECT_EQ(decimalOne.fareDecimals, 1);
    const auto moneyAsText = SystemParameters::fromRow(
        parameterRow({{QStringLiteral("加收费用"), QStringLiteral("1.5")}}, wire::FieldType::Text));
    EXPECT_EQ(moneyAsText.insuranceFee, *Money::parse(u"1.5"));
}

}  // namespace
