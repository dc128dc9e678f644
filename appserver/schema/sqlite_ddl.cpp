#include "appserver/schema/catalogue.h"

namespace schema {

namespace {

QString Quoted(const QString& name) {
    QString escaped = name;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

QString SqliteTypeName(ColumnType type) {
    switch (type) {
        case ColumnType::Integer:
        case ColumnType::Money:
        case ColumnType::Bool:
            return QStringLiteral("INTEGER");
        case ColumnType::Real:
            return QStringLiteral("REAL");
        case ColumnType::Blob:
            return QStringLiteral("BLOB");
        case ColumnType::Text:
        case ColumnType::DateTime:
            break;
    }
    return QStringLiteral("TEXT");
}

QString CreateTable(const Table& table) {
    QStringList columns;
    for (const Column& column : table.columns)
        columns.append(SqliteColumnDefinition(table, column));
    return QStringLiteral("create table if not exists %1 (%2)")
        .arg(Quoted(table.name), columns.join(QStringLiteral(", ")));
}

QString IndexTerm(const QStringList& joinedColumns) {
    QStringList quoted;
    for (const QString& column : joinedColumns)
        quoted.append(Quoted(column));
    return quoted.join(QStringLiteral("||"));
}

QString CreateIndex(const Index& index) {
    QStringList terms;
    for (const QStringList& term : index.terms)
        terms.append(IndexTerm(term));
    QString statement = QStringLiteral("create %1index if not exists %2 on %3 (%4)")
                            .arg(index.unique ? QStringLiteral("unique ") : QString(), Quoted(index.name),
                                 Quoted(index.table), terms.join(QStringLiteral(", ")));
    if (!index.where.isEmpty())
        statement += QStringLiteral(" where ") + index.where;
    return statement;
}

}  // namespace

QString SqliteColumnDefinition(const Table& table, const Column& column) {
    if (column.name == table.autoNumberColumn) {
        // AUTOINCREMENT: a number once given is never given again, even after its row is deleted.
        return Quoted(column.name) + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    }
    QString definition = Quoted(column.name) + u' ' + SqliteTypeName(column.type);
    if (column.notNull)
        definition += QStringLiteral(" NOT NULL");
    if (!column.defaultSql.isEmpty())
        definition += QStringLiteral(" DEFAULT ") + column.defaultSql;
    return definition;
}

QString SqliteAddColumnStatement(const Table& table, const Column& column) {
    // Rows that exist before the column is added have no value for it, so a required column
    // without a default is added as an optional one.
    Column added = column;
    if (added.defaultSql.isEmpty())
        added.notNull = false;
    return QStringLiteral("alter table %1 add column %2")
        .arg(Quoted(table.name), SqliteColumnDefinition(table, added));
}

QStringList SqliteCreateTableStatements() {
    QStringList statements;
    for (const Table& table : Tables())
        statements.append(CreateTable(table));
    return statements;
}

QStringList SqliteAddMissingColumnStatements(const Table& table, const QStringList& liveColumnNames) {
    QStringList statements;
    for (const Column& column : table.columns) {
        if (column.name == table.autoNumberColumn)
            continue;
        if (liveColumnNames.contains(column.name, Qt::CaseInsensitive))
            continue;
        statements.append(SqliteAddColumnStatement(table, column));
    }
    return statements;
}

QStringList SqliteCreateIndexStatements() {
    QStringList statements;
    for (const Index& index : Indexes())
        statements.append(CreateIndex(index));
    return statements;
}

QStringList SqliteCreateStatements() {
    return SqliteCreateTableStatements() + SqliteCreateIndexStatements();
}

}  // namespace schema
