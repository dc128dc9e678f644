#include "appserver/database_setup.h"

#include <QSet>

#include <stdexcept>

#include "appserver/day_change.h"
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

// The schema version that the database was last prepared for; 0 for a new one.
qint64 storedVersion(engine::Connection& db) {
    db.execute(
        QStringLiteral("CREATE TABLE IF NOT EXISTS ticketd_schema_version (version INTEGER NOT NULL)"));
    const engine::Result result =
        db.execute(QStringLiteral("SELECT max(version) FROM ticketd_schema_version"));
    return result.rows.isEmpty() ? 0 : result.rows.first().first().toLongLong();
}

void recordVersion(engine::Connection& db) {
    db.execute(QStringLiteral("DELETE FROM ticketd_schema_version"));
    db.execute(QStringLiteral("INSERT INTO ticketd_schema_version (version) VALUES (?)"),
               {static_cast<qint64>(schema::Version())});
}

}  // namespace

qint64 prepare(engine::Connection& db) {
    operator_accounts::prepareConnection(db);
    qint64 previous = 0;
    inTransaction(db, [&] {
        previous = storedVersion(db);
        // An older build would drop what it does not know of on the next upgrade: refuse it.
        if (previous > schema::Version()) {
            throw std::runtime_error(QStringLiteral("the database has schema version %1, newer than this "
                                                    "ticketd's %2; run the newer ticketd")
                                         .arg(previous)
                                         .arg(schema::Version())
                                         .toStdString());
        }
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
        day_change::prepareTable(db);
    });
    return previous;
}

QList<DemoLogin> fillDemoStationWhenEmpty(engine::Connection& db, dialect::Translator& translation,
                                          const QDate& today) {
    if (operator_accounts::anyOperator(db))
        return {};
    QList<DemoLogin> logins;
    inTransaction(db, [&] {
        for (const QString& statement : schema::DemoStatements(today)) {
            const dialect::Translated translated = translation.translate(statement);
            db.execute(translated.sql, translated.parameters);
        }
        for (const schema::DemoOperator& demo : schema::DemoOperators()) {
            operator_accounts::createOrUpdate(db, {demo.code, demo.name, demo.role}, demo.password);
            logins.append({demo.code, demo.name, demo.role, demo.password});
        }
    });
    return logins;
}

}  // namespace database_setup
