#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// Every table of the station's database, as the single source of truth: the DDL, the upgrade of an
// older database (missing columns are added from here) and the typing of statements all read it.
//
// Storage conventions of the SQLite database:
// - Money columns hold INTEGER ten-thousandths of a yuan (the units of `Money`), so sums stay exact.
//   Workstations write and read decimal yuan; the server converts by the column type.
// - Bool columns hold INTEGER 0 or 1.
// - Dates and times are Text in their fixed layouts ("2008-05-07", "08:30", "2008-05-07 08:30.15").
// - Table and column names are written exactly as the workstations send them; the database compares
//   table names without regard to letter case ("DeskList" and "desklist" are one table).
namespace schema {
enum class ColumnType { Text, Integer, Money, Bool, Real, DateTime, Blob };
struct Column {
    QString name;
    ColumnType type;
    int length = 0;  // characters, for Text
    bool notNull = false;
    QString defaultSql;  // literal default as written in SQL ("0", "'否'"), empty for none
};
struct Table {
    QString name;
    QList<Column> columns;
    QString autoNumberColumn;  // a number the database assigns, empty when none
};
const QList<Table>& Tables();
const Table* FindTable(QStringView name);                        // letter case ignored
const Column* FindColumn(const Table& table, QStringView name);  // letter case ignored
// Raised whenever a table or column is added.
int Version();
// Every table and index, "if not exists", runnable on an empty or older database. An older database
// also needs the columns it lacks, before its indexes: see the upgrade order below.
QStringList SqliteCreateStatements();

// The demo station. The statements are written the way a workstation writes them (texts quoted with
// sqlText, money as decimal yuan with sqlMoney), so the server runs them through the same statement
// translation as any workstation's statement.
QStringList DemoStatements(const QDate& today);  // inserts of the demo station, operators excluded
struct DemoOperator {
    QString code;
    QString name;
    QString role;
    QString password;
};
QList<DemoOperator> DemoOperators();  // the server stores their passwords hashed itself

// An index of the schema. Each term is one column, or several columns joined into one text the way
// the statements join them: {"DATE0", "CCNO"} is the term "DATE0"||"CCNO". Joined terms are written
// left to right without brackets, so a translated `DATE0+CCNO` matches the indexed expression.
struct Index {
    QString name;
    QString table;
    QList<QStringList> terms;
    bool unique = false;
    QString where;  // condition of a partial index (names double-quoted), empty for every row
};
const QList<Index>& Indexes();

// Upgrading a database made by an older build, in this order: the tables it lacks, the columns its
// tables lack, then every index (an index may name a column that was just added).
QStringList SqliteCreateTableStatements();
QStringList SqliteAddMissingColumnStatements(const Table& table, const QStringList& liveColumnNames);
QStringList SqliteCreateIndexStatements();

// The column as it stands in a SQLite "create table" or "alter table ... add column".
QString SqliteColumnDefinition(const Table& table, const Column& column);
// Adds a column that an older database lacks; the auto-number column is never added this way.
QString SqliteAddColumnStatement(const Table& table, const Column& column);
}  // namespace schema
