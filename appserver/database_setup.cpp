#include "appserver/database_setup.h"

#include <QSet>

#include "appserver/operator_accounts.h"
#include "appserver/schema/catalogue.h"

namespace database_setup {

namespace {

// Runs work in one transaction, so a failed start leaves the database as it was.
template <typename Work>
void inTransaction(engine::Connection& db, Work work) {
    db.beginImmediate();
    try {
        work();
        db.commit();
    } catch (...) {
        db.rollback();
        throw;
    }
}

void addMissingColumns(engine::Connection& db) {
    for (const schema::Table& table : schema::Tables()) {
        QSet<QString> live;
        for (const QString& column : db.columnNames(table.name))
            live.insert(column.toLower());
        for (const schema::Column& column : table.columns) {
            if (!live.contains(column.name.toLower()) && column.name != table.autoNumberColumn) {
                db.execute(schema::SqliteAddColumnStatement(table, column));
            }
        }
    }
}

void recordVersion(engine::Connection& db) {
    db.execute(
        QStringLiteral("CREATE TABLE IF NOT EXISTS ticketd_schema_version (version INTEGER NOT NULL)"));
    db.execute(QStringLiteral("DELETE FROM ticketd_schema_version"));
    db.execute(QStringLiteral("INSERT INTO ticketd_schema_version (version) VALUES (?)"),
               {static_cast<qint64>(schema::Version())});
}

}  // namespace

void prepare(engine::Connection& db) {
    operator_accounts::prepareConnection(db);
    inTransaction(db, [&] {
        const QStringList statements = schema::SqliteCreateStatements();
        // Tables first: an index may name a column that an older database receives only now.
        for (const QString& statement : statements) {
            if (statement.trimmed().startsWith(QLatin1String("CREATE TABLE"), Qt::CaseInsensitive))
                db.execute(statement);
        }
        addMissingColumns(db);
        for (const QString& statement : statements)
            db.execute(statement);
        recordVersion(db);
        operator_accounts::install(db);
    });
}

QList<DemoLogin> fillDemoStationWhenEmpty(engine::Connection& db, StatementTranslation& translation,
                                          const QDate& today) {
    if (operator_accounts::anyOperator(db))
        return {};
    QList<DemoLogin> logins;
    inTransaction(db, [&] {
        for (const QString& statement : schema::DemoStatements(today)) {
            const StatementTranslation::Prepared prepared = translation.prepare(statement);
            db.execute(prepared.sql, prepared.parameters);
        }
        for (const schema::DemoOperator& demo : schema::DemoOperators()) {
            operator_accounts::createOrUpdate(db, {demo.code, demo.name, demo.role}, demo.password);
            logins.append({demo.code, demo.name, demo.role, demo.password});
        }
    });
    return logins;
}

}  // namespace database_setup
