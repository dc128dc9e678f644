#include <QCborMap>

#include <sqlite3.h>

#include "tests/appserver/station_test.h"

namespace {

std::optional<wire::DataSet> open(WireClient& desk, const QString& provider) {
    const wire::Reply reply = desk.call(QStringLiteral("Open"), {provider, QString()});
    if (!reply.ok)
        return std::nullopt;
    return wire::DataSet::fromCbor(reply.result.toMap());
}

QCborMap bus(const QString& code, const QString& name) {
    QCborMap row;
    row.insert(QStringLiteral("客车编号"), code);
    row.insert(QStringLiteral("客车名称"), name);
    return row;
}

QCborMap changes(const QCborArray& deleted, const QCborArray& modified, const QCborArray& inserted) {
    QCborMap map;
    map.insert(QStringLiteral("deleted"), deleted);
    map.insert(QStringLiteral("modified"), modified);
    map.insert(QStringLiteral("inserted"), inserted);
    return map;
}

// An array holding one value; braces alone would copy an array instead of nesting it.
QCborArray only(const QCborValue& value) {
    QCborArray array;
    array.append(value);
    return array;
}

class StatementsTest : public StationTest {};

TEST_F(StatementsTest, BatchRunsAllOrNothing) {
    auto admin = desk();
    ASSERT_TRUE(admin);
    const wire::Reply done =
        admin->call(QStringLiteral("ExecBatch"),
                    only(QCborArray{QStringLiteral("insert into 客车 (客车编号) values('A1')"),
                                    QStringLiteral("insert into 客车 (客车编号) values('A2')"),
                                    QStringLiteral("update 客车 set 座位数=40")}));
    ASSERT_TRUE(done.ok) << done.error.toStdString();
    EXPECT_EQ(done.result.toInteger(), 4);

    const wire::Reply failed = admin->call(
        QStringLiteral("ExecBatch"), only(QCborArray{QStringLiteral("delete from 客车"),
                                                     QStringLiteral("insert into 没有这个表 values(1)")}));
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.code, wire::ErrorCode::StatementFailed);
    EXPECT_EQ(open(*admin, QStringLiteral("buspv"))->rows.size(), 2);
}

TEST_F(StatementsTest, StatementsMayNotBeginOrEndTransactions) {
    auto admin = desk();
    auto other = desk();
    ASSERT_TRUE(admin && other);
    for (const QString& statement : {QStringLiteral("begin"), QStringLiteral("BEGIN IMMEDIATE"),
                                     QStringLiteral("select 1; begin exclusive")}) {
        EXPECT_EQ(admin->execute(statement), -1) << statement.toStdString();
    }
    EXPECT_EQ(other->execute(QStringLiteral("insert into 客车 (客车编号) values('A1')")), 1)
        << "no transaction was left open to hold the write lock";

    ASSERT_TRUE(admin->call(QStringLiteral("lock"), {0, QStringLiteral("08-05-078003")}).result.toBool());
    EXPECT_EQ(admin->execute(QStringLiteral("insert into 客车 (客车编号) values('A2')")), 1);
    EXPECT_EQ(admin->execute(QStringLiteral("commit")), -1);
    EXPECT_FALSE(admin->call(QStringLiteral("unlock"), {0, QStringLiteral("08-05-078003")}).ok);
    const auto buses = other->query(QStringLiteral("select 客车编号 from 客车"));
    ASSERT_TRUE(buses);
    EXPECT_EQ(buses->rows.size(), 1) << "the group was rolled back, not committed by the statement";
}

TEST_F(StatementsTest, WriteBackMatchesOriginalValuesAndFailsAsAWholeOnAChangedRow) {
    auto admin = desk();
    auto other = desk();
    ASSERT_TRUE(admin && other);
    const wire::Reply inserted =
        admin->call(QStringLiteral("ApplyUpdates"),
                    {QStringLiteral("buspv"), changes({}, {},
                                                      {bus(QStringLiteral("A1"), QStringLiteral("金龙")),
                                                       bus(QStringLiteral("A2"), QStringLiteral("宇通"))})});
    ASSERT_TRUE(inserted.ok) << inserted.error.toStdString();
    EXPECT_EQ(inserted.result.toInteger(), 2);

    const wire::Reply edited =
        admin->call(QStringLiteral("ApplyUpdates"),
                    {QStringLiteral("buspv"),
                     changes({bus(QStringLiteral("A2"), QStringLiteral("宇通"))},
                             only(QCborArray{bus(QStringLiteral("A1"), QStringLiteral("金龙")),
                                             bus(QStringLiteral("A1"), QStringLiteral("金龙客车"))}),
                             {})});
    ASSERT_TRUE(edited.ok) << edited.error.toStdString();
    auto buses = open(*admin, QStringLiteral("buspv"));
    ASSERT_TRUE(buses);
    ASSERT_EQ(buses->rows.size(), 1);
    EXPECT_EQ(buses->rows.at(0).at(1).toString(), QStringLiteral("金龙客车"));

    // Another desk renamed it meanwhile: this edit and the insert beside it are both refused.
    ASSERT_EQ(other->execute(QStringLiteral("update 客车 set 客车名称='别的' where 客车编号='A1'")), 1);
    const wire::Reply stale =
        admin->call(QStringLiteral("ApplyUpdates"),
                    {QStringLiteral("buspv"),
                     changes({},
                             only(QCborArray{bus(QStringLiteral("A1"), QStringLiteral("金龙客车")),
                                             bus(QStringLiteral("A1"), QStringLiteral("旧"))}),
                             {bus(QStringLiteral("A3"), QStringLiteral("新"))})});
    EXPECT_FALSE(stale.ok);
    buses = open(*admin, QStringLiteral("buspv"));
    ASSERT_EQ(buses->rows.size(), 1);
    EXPECT_EQ(buses->rows.at(0).at(1).toString(), QStringLiteral("别的"));

    const QList<std::pair<QString, QCborMap>> refused{
        {QStringLiteral("QueryPV"), changes({}, {}, {bus(QStringLiteral("A4"), QString())})},
        {QStringLiteral("buspv"), changes({}, {}, {QCborMap{{QStringLiteral("no such column"), 1}}})},
    };
    for (const auto& [provider, change] : refused) {
        EXPECT_FALSE(admin->call(QStringLiteral("ApplyUpdates"), {provider, change}).ok)
            << provider.toStdString();
    }
}

TEST_F(StatementsTest, DayCounterRowIsCreatedOnlyWhenMissing) {
    auto first = desk();
    auto second = desk();
    ASSERT_TRUE(first && second);
    const wire::Reply created =
        first->call(QStringLiteral("CheckDacc"), {QStringLiteral("08-05-07"), QStringLiteral("8003")});
    ASSERT_TRUE(created.ok) << created.error.toStdString();
    EXPECT_EQ(created.result.toArray(), (QCborArray{QStringLiteral("08-05-07"), QStringLiteral("8003")}));
    ASSERT_EQ(
        first->execute(QStringLiteral("update desklist set ssum=ssum+2 where date0+ccno='08-05-078003'")), 1);
    EXPECT_TRUE(
        second->call(QStringLiteral("CheckDacc"), {QStringLiteral("08-05-07"), QStringLiteral("8003")}).ok);

    const auto rows = first->query(QStringLiteral("select DESK, SSUM from DeskList"));
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->rows.size(), 1);
    EXPECT_EQ(rows->rows.at(0).at(0).toString(), QString(60, u'0'));
    EXPECT_EQ(rows->rows.at(0).at(1).toLongLong(), 2);
}

TEST_F(StatementsTest, TableAndColumnNamesEndWithABar) {
    auto admin = desk();
    ASSERT_TRUE(admin);
    const QString tables = admin->call(QStringLiteral("Gettb")).result.toString();
    EXPECT_TRUE(tables.contains(QStringLiteral("已售车票|")));
    EXPECT_TRUE(tables.endsWith(u'|'));
    EXPECT_EQ(admin->call(QStringLiteral("Getfn"), {QStringLiteral("desklist")}).result.toString(),
              QStringLiteral("DATE0|CCNO|DESK|SSUM|"));
}

TEST_F(StatementsTest, SaleDeskDecodesItsArgumentsAndSaysItIsNotAvailable) {
    auto admin = desk();
    ASSERT_TRUE(admin);
    const QCborArray arguments{QStringLiteral("insert ... PH_NO ..."),
                               1,
                               0,
                               250000,
                               QStringLiteral("12.5"),
                               0,
                               1,
                               45,
                               0,
                               0,
                               QStringLiteral("2008-05-07"),
                               QStringLiteral("8003"),
                               120,
                               QStringLiteral("1001"),
                               QStringLiteral("宁波"),
                               QStringLiteral("050507"),
                               QStringLiteral("08-05-07"),
                               1};
    const wire::Reply reply = admin->call(QStringLiteral("SaleDesk"), arguments);
    EXPECT_FALSE(reply.ok);
    EXPECT_TRUE(reply.error.contains(QStringLiteral("not available"))) << reply.error.toStdString();
    EXPECT_EQ(admin->call(QStringLiteral("SaleDesk"), QCborArray{1, 2}).code, wire::ErrorCode::BadArguments);
}

// An older database lacks a column the catalogue has; a restart adds it and keeps the rows.
TEST_F(StatementsTest, RestartUpgradesAnOlderDatabaseInPlace) {
    {
        auto admin = desk();
        ASSERT_TRUE(admin);
        ASSERT_EQ(admin->execute(QStringLiteral("insert into 客车 (客车编号,客车名称) values('A1','金龙')")),
                  1);
    }
    server.stop();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(server.databasePath().toUtf8().constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "ALTER TABLE 客车 DROP COLUMN 驾驶员", nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_close(db);

    ASSERT_TRUE(server.restart()) << server.failure().toStdString();
    auto admin = desk();
    ASSERT_TRUE(admin);
    EXPECT_TRUE(admin->call(QStringLiteral("Getfn"), {QStringLiteral("客车")})
                    .result.toString()
                    .contains(QStringLiteral("驾驶员|")));
    const auto buses = open(*admin, QStringLiteral("buspv"));
    ASSERT_TRUE(buses);
    ASSERT_EQ(buses->rows.size(), 1);
    EXPECT_EQ(buses->rows.at(0).at(1).toString(), QStringLiteral("金龙"));
}

TEST_F(StatementsTest, DatabaseOfANewerBuildIsRefusedUntouched) {
    server.stop();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(server.databasePath().toUtf8().constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "UPDATE ticketd_schema_version SET version = version + 1", nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
    sqlite3_close(db);

    EXPECT_FALSE(server.restart());
    EXPECT_TRUE(server.failure().contains(QStringLiteral("newer"))) << server.failure().toStdString();
}

}  // namespace
