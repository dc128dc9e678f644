#include <gtest/gtest.h>

#include "tests/dialect/station_database.h"
#include "tests/dialect/variant_print.h"
#include "tests/support/qt_print.h"

namespace {

struct Case {
    const char* statement;
    QVariant expected;
};

TEST(TextFunctions, LeftRightAndCharindexGiveTheWorkstationsResults) {
    const Case cases[] = {
        {"select left('2008-05-07',7)", u"2008-05"_qs},
        {"select left('2008-05-07',4)", u"2008"_qs},
        {"select left('ab',5)", u"ab"_qs},
        {"select right('050708003001',6)", u"003001"_qs},
        {"select right('2008-05-07',5)", u"05-07"_qs},
        {"select right('ab',5)", u"ab"_qs},
        {"select right('ab',0)", u""_qs},
        {"select left(right('050708003001',6),4)", u"0030"_qs},
        {"select right('广州汽车站',3)", u"汽车站"_qs},
        {"select charindex('深圳','东莞,深圳')", 4},
        {"select charindex('惠州','东莞,深圳')", 0},
    };
    StationDatabase database;
    for (const Case& c : cases) {
        const QList<QVariantList> rows = database.translateAndRun(QString::fromUtf8(c.statement));
        ASSERT_EQ(rows.size(), 1) << c.statement;
        EXPECT_EQ(rows.front().value(0), c.expected) << c.statement;
    }
}

class Statements : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* trip : {"8001", "8002", "8003", "8004"}) {
            database.translateAndRun(
                QStringLiteral("insert into 站台客车 (车次,发车时间,停刷,末班车) values('%1','12:00',0,0)")
                    .arg(QString::fromUtf8(trip)));
        }
    }

    QVariantList trips(QStringView statement) {
        QVariantList codes;
        for (const QVariantList& row : database.translateAndRun(statement))
            codes.append(row.value(0));
        return codes;
    }

    StationDatabase database;
};

TEST_F(Statements, TopLimitsTheOrderedRows) {
    EXPECT_EQ(trips(u"select top 2 车次 from 站台客车 order by 车次 desc"),
              QVariantList({u"8004"_qs, u"8003"_qs}));
}

TEST_F(Statements, MonthSelectionByLeftOfTheDate) {
    for (const char* date : {"2008-04-30", "2008-05-01", "2008-05-31", "2008-06-01"})
        database.translateAndRun(
            QStringLiteral("insert into 现金管理 (当班人,当班日期,已结) values('0101','%1',1)")
                .arg(QString::fromUtf8(date)));
    EXPECT_EQ(trips(u"select 当班日期 from 现金管理 where left(当班日期,7)='2008-05' order by 当班日期"),
              QVariantList({u"2008-05-01"_qs, u"2008-05-31"_qs}));
}

TEST_F(Statements, DeleteWithoutFromRemovesOnlyTheNamedRow) {
    database.translateAndRun(u"delete 站台客车 where 车次='8002'");
    EXPECT_EQ(trips(u"select 车次 from 站台客车 order by 车次"),
              QVariantList({u"8001"_qs, u"8003"_qs, u"8004"_qs}));
}

TEST_F(Statements, SelectIntoCopiesTheRowsIntoANewTable) {
    database.translateAndRun(u"select distinct * into tem_站台客车 from 站台客车 where 车次>'8002'");
    database.translateAndRun(u"drop table 站台客车");
    database.translateAndRun(u"select * into 站台客车 from tem_站台客车");
    database.translateAndRun(u"drop table tem_站台客车");
    EXPECT_EQ(trips(u"select 车次 from 站台客车 order by 车次"), QVariantList({u"8003"_qs, u"8004"_qs}));
}

// The administrator's duplicate removal, as the console sends it for a table T.
void removeDuplicates(StationDatabase& database, const QString& table) {
    database.translateAndRun(QStringLiteral("select distinct * into tem_%1 from %1").arg(table));
    database.translateAndRun(QStringLiteral("drop table %1").arg(table));
    database.translateAndRun(QStringLiteral("select * into %1 from tem_%1").arg(table));
    database.translateAndRun(QStringLiteral("drop table tem_%1").arg(table));
}

TEST_F(Statements, RemovingDuplicatesLeavesOneOfEachRow) {
    for (int copy = 0; copy < 3; ++copy)
        database.translateAndRun(
            u"insert into 操作记录 (操作员代号,操作模块,进入时间) values('0101','售票','05-07,08:30.15')");
    removeDuplicates(database, u"操作记录"_qs);
    EXPECT_EQ(trips(u"select count(*) from 操作记录"), QVariantList({1}));
}

// A station table keeps what the server made it with: here the shift number it assigns.
TEST_F(Statements, RemovingDuplicatesKeepsTheTableDefinition) {
    database.translateAndRun(u"insert into 现金管理 (当班人,当班日期,已结) values('0101','2008-05-07',1)");
    removeDuplicates(database, u"现金管理"_qs);
    database.translateAndRun(u"insert into 现金管理 (当班人,当班日期,已结) values('0102','2008-05-08',0)");
    EXPECT_EQ(trips(u"select 结算号 from 现金管理 where 当班人='0102'"), QVariantList({2}));
}

TEST_F(Statements, TableNamesInAnyLetterCase) {
    database.translateAndRun(u"insert into desklist (DATE0,CCNO,DESK,SSUM) values('08-05-07','8003','0',1)");
    EXPECT_EQ(trips(u"select CCNO from DESKLIST where Date0+Ccno='08-05-078003'"),
              QVariantList({u"8003"_qs}));
}

TEST_F(Statements, ResultColumnsKeepTheSpellingOfTheStatement) {
    database.translateAndRun(u"insert into DeskList (DATE0,CCNO,DESK,SSUM) values('08-05-07','8003','0',1)");
    database.translateAndRun(u"select ccno,D.ssum,DESK as 座位 from desklist D");
    EXPECT_EQ(database.columnNames(), QStringList({u"ccno"_qs, u"ssum"_qs, u"座位"_qs}));
}

TEST_F(Statements, SubSelectsAfterInNotInAndExists) {
    database.translateAndRun(u"insert into 发车表 (车次,检票) values('8001','否')");
    database.translateAndRun(u"insert into 发车表 (车次,检票) values('8003','是')");
    EXPECT_EQ(trips(u"select 车次 from 站台客车 where 车次 not in (select 车次 from 发车表) order by 车次"),
              QVariantList({u"8002"_qs, u"8004"_qs}));
    EXPECT_EQ(
        trips(u"select 车次 from 站台客车 a where exists (select 车次 from 发车表 b where a.车次=b.车次 "
              u"and b.检票='是')"),
        QVariantList({u"8003"_qs}));
    EXPECT_EQ(trips(u"select count(*) from (select 车次 from 站台客车 union all select 车次 from 发车表) t"),
              QVariantList({6}));
}

}  // namespace
