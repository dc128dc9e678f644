#include <gtest/gtest.h>

#include "tests/dialect/station_database.h"
#include "tests/dialect/variant_print.h"
#include "tests/support/qt_print.h"

namespace {

// Three tickets: two seats of trip 8003 on 2008-05-07 and one on the day after, a day counter
// per trip, and a seller with a shift.
class Concatenation : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* seed[] = {
            "insert into 已售车票 (票号,原票号,车次,乘车日期,座位号,数量,票价,标志,售票员) values "
            "('050708003001','050708003001','8003','2008-05-07','01',1,25,'全票','0101')",
            "insert into 已售车票 (票号,原票号,车次,乘车日期,座位号,数量,票价,标志,售票员) values "
            "('050708003002','050708003002','8003','2008-05-07','02',1,25,'全票','0101')",
            "insert into 已售车票 (票号,原票号,车次,乘车日期,座位号,数量,票价,标志,售票员) values "
            "('050808003001','050808003001','8003','2008-05-08','01',1,25,'全票','0101')",
            "insert into DeskList (DATE0,CCNO,DESK,SSUM) values ('08-05-07','8003','0',2)",
            "insert into DeskList (DATE0,CCNO,DESK,SSUM) values ('08-05-07','8005','0',7)",
            "insert into 操作员 (操作员代号,操作员姓名) values ('0101','张三')",
            "insert into 现金管理 (当班人,当班日期,终止票号1,起始票号1,终止票号2,起始票号2) values "
            "('0101','2008-05-07',150,100,20,10)",
        };
        for (const char* statement : seed)
            database.translateAndRun(QString::fromUtf8(statement));
    }

    StationDatabase database;
};

struct Case {
    const char* statement;
    QVariantList expectedRows;
};

// `+` joins texts wherever one side is a text column, a text literal or a text expression, and
// adds numbers otherwise. Adding the texts as numbers would make every seat key look alike.
TEST_F(Concatenation, PlusJoinsTextsAndAddsNumbers) {
    const Case cases[] = {
        {"select 票号 from 已售车票 where 乘车日期+车次+座位号='2008-05-07800302' and 标志<>'退票'",
         {u"050708003002"_qs}},
        {"select 票号 from 已售车票 where 乘车日期+车次='2008-05-088003'", {u"050808003001"_qs}},
        {"select A.票号 from 已售车票 A where A.乘车日期+A.车次+A.座位号='2008-05-08800301'",
         {u"050808003001"_qs}},
        {"select 票号 from 已售车票 where 票号+售票员='0507080030010101'", {u"050708003001"_qs}},
        {"select SSUM from desklist where date0+ccno='08-05-078005'", {7}},
        {"select d+c from (select 乘车日期 as d,车次 as c from 已售车票 where 票号='050708003002') t",
         {u"2008-05-078003"_qs}},
        {"select 当班人+' '+B.操作员姓名 from 现金管理 A,操作员 B where 当班人=B.操作员代号",
         {u"0101 张三"_qs}},
        {"select 终止票号1-起始票号1+终止票号2-起始票号2 from 现金管理", {60}},
        {"select '2008-05-07'+'8003'", {u"2008-05-078003"_qs}},
        {"select 'a'+2*3", {u"a6"_qs}},
        {"select 1+2", {3}},
        {"select (select max(座位号) from 已售车票)+'号'", {u"02号"_qs}},
        {"select max(车次)+'/'+min(座位号) from 已售车票", {u"8003/01"_qs}},
    };
    for (const Case& c : cases) {
        const QList<QVariantList> rows = database.translateAndRun(QString::fromUtf8(c.statement));
        QVariantList firstColumn;
        for (const QVariantList& row : rows)
            firstColumn.append(row.value(0));
        EXPECT_EQ(firstColumn, c.expectedRows) << c.statement;
    }
}

TEST_F(Concatenation, CounterUpdateAddsToTheOneRowItsKeyNames) {
    database.translateAndRun(u"update desklist set ssum=ssum+3 where date0+ccno='08-05-078003'");
    const QList<QVariantList> rows =
        database.translateAndRun(u"select CCNO,SSUM from DeskList order by CCNO");
    const QList<QVariantList> expected = {{u"8003"_qs, 5}, {u"8005"_qs, 7}};
    EXPECT_EQ(rows, expected);
}

TEST_F(Concatenation, SeatKeyInAnInsertSelectIsText) {
    database.translateAndRun(
        u"insert into 重打车票 (票号,车次) select 乘车日期+车次+座位号,车次 from 已售车票 where "
        u"票号='050708003001'");
    const QList<QVariantList> rows = database.translateAndRun(u"select 票号 from 重打车票");
    const QList<QVariantList> expected = {{u"2008-05-07800301"_qs}};
    EXPECT_EQ(rows, expected);
}

// The joined keys are written the way their expression indexes are, so the searches do not scan.
TEST_F(Concatenation, JoinedKeySearchesUseTheirIndexes) {
    const char* searches[] = {
        "select 票号 from 已售车票 where 乘车日期+车次+座位号='2008-05-07800301' and 标志<>'退票'",
        "select 座位号 from 已售车票 where 乘车日期+车次='2008-05-078003' and 标志<>'退票' order by 座位号",
        "update desklist set ssum=ssum+1 where date0+ccno='08-05-078003'",
    };
    dialect::Translator translator(dialect::Target::Sqlite);
    for (const char* search : searches) {
        dialect::Translated plan = translator.translate(QString::fromUtf8(search));
        plan.sql.prepend(u"explain query plan ");
        QString details;
        for (const QVariantList& row : database.run(plan))
            details += row.value(3).toString() + u'\n';
        EXPECT_TRUE(details.contains(u"USING INDEX")) << search << "\n" << details.toStdString();
        EXPECT_FALSE(details.contains(u"SCAN")) << search << "\n" << details.toStdString();
    }
}

}  // namespace
