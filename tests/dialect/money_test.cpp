#include <gtest/gtest.h>

#include "tests/dialect/station_database.h"
#include "tests/dialect/variant_print.h"
#include "tests/support/qt_print.h"

namespace {

// Workstations write amounts in yuan; the database holds ten-thousandths of a yuan. An amount is a
// literal that meets a money column: inserted into it, assigned to it, compared or summed with it.
class MoneyLiterals : public ::testing::Test {
  protected:
    QVariant single(QStringView statement) {
        const QList<QVariantList> rows = database.translateAndRun(statement);
        EXPECT_EQ(rows.size(), 1) << statement.toString().toStdString();
        return rows.value(0).value(0);
    }

    StationDatabase database;
};

TEST_F(MoneyLiterals, InsertedAndAssignedAmountsAreStoredInTenThousandths) {
    database.translateAndRun(
        u"insert into 已售车票 (票号,票价,保险额,数量) "
        u"values('050708003001',25.5,2,1),('050708003002','12',0,1)");
    database.translateAndRun(
        u"insert into 已售车票 (票号,票价,保险额,数量) values('050700003001',-12.5,-2,-1)");
    EXPECT_EQ(single(u"select 票价 from 已售车票 where 票号='050708003001'"), 255000);
    EXPECT_EQ(single(u"select 票价 from 已售车票 where 票号='050708003002'"), 120000);
    EXPECT_EQ(single(u"select 票价 from 已售车票 where 票号='050700003001'"), -125000);
    EXPECT_EQ(single(u"select sum(保险额) from 已售车票"), 0);

    database.translateAndRun(u"insert into 现金管理 (当班人,当班日期,已结) values('0101','2008-05-07',0)");
    database.translateAndRun(
        u"update 现金管理 set 转出现金=180, 差额=-3.5, 废票数=废票数+1 where 当班人='0101' and 已结=0");
    const QList<QVariantList> shift = database.translateAndRun(u"select 转出现金,差额,废票数 from 现金管理");
    const QList<QVariantList> expected = {{1800000, -35000, 1}};
    EXPECT_EQ(shift, expected);
}

TEST_F(MoneyLiterals, ComparedAndSummedAmountsAreInYuan) {
    database.translateAndRun(
        u"insert into 已售车票 (票号,票价,数量) values('1',25.5,1),('2',12,1),('3',0,1)");
    EXPECT_EQ(single(u"select count(*) from 已售车票 where 票价>0"), 2);
    EXPECT_EQ(single(u"select 票号 from 已售车票 where 票价=25.5"), u"1"_qs);
    EXPECT_EQ(single(u"select count(*) from 已售车票 where 票价 between 10 and 20"), 1);
    EXPECT_EQ(single(u"select count(*) from 已售车票 where 票价 in (12, 25.5)"), 2);
    EXPECT_EQ(single(u"select sum(票价)+1 from 已售车票"), 375000 + 10000);
    EXPECT_EQ(single(u"select count(*) from 已售车票 where 数量=1"), 3);
}

}  // namespace
