#include <gtest/gtest.h>

#include "appserver/schema/catalogue.h"
#include "tests/schema/sqlite_database.h"
#include "tests/support/qt_print.h"

namespace {

QString Quoted(const QString& name) {
    return u'"' + name + u'"';
}

TEST(SqliteDdl, CreatesEveryTableOnAnEmptyDatabaseAndRunsAgainOverIt) {
    SqliteDatabase db;
    ASSERT_EQ(db.runAll(schema::SqliteCreateStatements()), "");
    ASSERT_EQ(db.runAll(schema::SqliteCreateStatements()), "");
    EXPECT_EQ(db.value("select count(*) from sqlite_master where type='table' and name not like 'sqlite_%'"),
              QString::number(schema::Tables().size()));
}

TEST(SqliteDdl, LiveTablesHaveTheCatalogueColumnsInOrder) {
    SqliteDatabase db;
    ASSERT_EQ(db.runAll(schema::SqliteCreateStatements()), "");
    for (const schema::Table& table : schema::Tables()) {
        SCOPED_TRACE(table.name.toStdString());
        QStringList expected;
        for (const schema::Column& column : table.columns)
            expected.append(column.name);
        QStringList live;
        for (const QString& row : db.rows("select name from pragma_table_info(" + Quoted(table.name) + ")")) {
            live.append(row);
        }
        EXPECT_EQ(live, expected);
    }
}

// Money is stored as whole ten-thousandths, so a sum of amounts stays exact.
TEST(SqliteDdl, MoneyAndFlagsAreIntegerColumns) {
    SqliteDatabase db;
    ASSERT_EQ(db.runAll(schema::SqliteCreateStatements()), "");
    EXPECT_EQ(db.value("select type from pragma_table_info('已售车票') where name='票价'"), "INTEGER");
    EXPECT_EQ(db.value("select type from pragma_table_info('已售车票') where name='已结账'"), "INTEGER");
    EXPECT_EQ(db.value("select type from pragma_table_info('已售车票') where name='乘车日期'"), "TEXT");
}

struct KeySearch {
    const char* query;
    const char* index;
};

// The searches on joined keys, written the way the translated statements write them, must find
// their rows through an index rather than by reading the whole table.
const KeySearch kKeySearches[] = {
    {"select 票号 from 已售车票 where 乘车日期||车次||座位号='2008-05-07800305' and 标志<>'退票'",
     "已售车票_date_trip_seat_key"},
    {"select count(*) from 已售车票 where 乘车日期||车次='2008-05-078003'", "已售车票_date_trip_key"},
    {"select 票号 from 已售车票 where 票号||售票员='0507078003051001' and 已结账=0",
     "已售车票_ticket_seller_key"},
    {"select * from desklist where date0||ccno='08-05-078003'", "DeskList_date_trip_key"},
    {"select * from 票价表节日 where 调价日期||站点编号='2008050720'", "票价表节日_date_stop_key"},
    {"update 操作权限 set 新增权=1 where 操作员代号||模块名称='1001售票系统'",
     "操作权限_operator_module_key"},
    {"select * from Z日各站售出情况 where 年月||日>='20080501'", "Z日各站售出情况_day_key"},
};

TEST(SqliteDdl, JoinedKeySearchesUseAnIndex) {
    SqliteDatabase db;
    ASSERT_EQ(db.runAll(schema::SqliteCreateStatements()), "");
    for (const KeySearch& search : kKeySearches) {
        SCOPED_TRACE(search.query);
        const QString plan = db.rows("explain query plan " + QString::fromUtf8(search.query)).join(u'\n');
        EXPECT_TRUE(plan.contains(QString::fromUtf8(search.index))) << plan.toStdString();
    }
}

// A database made by an older build keeps its rows: missing tables are made, missing columns added,
// and only then the indexes, one of which names an added column.
TEST(SqliteDdl, OlderDatabaseIsUpgradedInPlace) {
    SqliteDatabase db;
    ASSERT_EQ(db.run("create table DeskList (DATE0 TEXT, DESK TEXT)"), "");
    ASSERT_EQ(db.run("insert into DeskList (DATE0, DESK) values ('08-05-07', '0')"), "");

    ASSERT_EQ(db.runAll(schema::SqliteCreateTableStatements()), "");
    for (const schema::Table& table : schema::Tables()) {
        const QStringList live = db.rows("select name from pragma_table_info(" + Quoted(table.name) + ")");
        ASSERT_EQ(db.runAll(schema::SqliteAddMissingColumnStatements(table, live)), "");
    }
    ASSERT_EQ(db.runAll(schema::SqliteCreateIndexStatements()), "");

    EXPECT_EQ(db.rows("select DATE0, CCNO, SSUM from DeskList"), QStringList{"08-05-07|NULL|0"});
    EXPECT_EQ(db.rows("select name from pragma_table_info('DeskList')"),
              (QStringList{"DATE0", "DESK", "CCNO", "SSUM"}));
    EXPECT_EQ(db.value("select count(*) from sqlite_master where type='table' and name not like 'sqlite_%'"),
              QString::number(schema::Tables().size()));
}

}  // namespace
