#pragma once

#include <sqlite3.h>

#include <QString>
#include <QStringList>
#include <QVariant>

// An in-memory SQLite database for the schema tests: runs statements and reads single values.
class SqliteDatabase {
  public:
    SqliteDatabase() { sqlite3_open(":memory:", &db_); }
    ~SqliteDatabase() { sqlite3_close(db_); }
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // Runs one statement; returns the database's error text, empty on success.
    QString run(const QString& statement) {
        char* error = nullptr;
        if (sqlite3_exec(db_, statement.toUtf8().constData(), nullptr, nullptr, &error) == SQLITE_OK) {
            return {};
        }
        const QString message = QString::fromUtf8(error);
        sqlite3_free(error);
        return message;
    }

    // Runs every statement; returns the first error as "statement: error", empty when all ran.
    QString runAll(const QStringList& statements) {
        for (const QString& statement : statements) {
            const QString error = run(statement);
            if (!error.isEmpty())
                return statement + QStringLiteral(": ") + error;
        }
        return {};
    }

    // Every row of a query, the columns of a row joined with "|".
    QStringList rows(const QString& query) {
        QStringList result;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, query.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK) {
            return {QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(db_))};
        }
        while (sqlite3_step(statement) == SQLITE_ROW) {
            QStringList columns;
            for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
                columns.append(text ? QString::fromUtf8(text) : QStringLiteral("NULL"));
            }
            result.append(columns.join(u'|'));
        }
        sqlite3_finalize(statement);
        return result;
    }

    // The first column of the first row, "NULL" for a null, empty when there is no row.
    QString value(const QString& query) {
        const QStringList all = rows(query);
        return all.isEmpty() ? QString() : all.first().section(u'|', 0, 0);
    }

  private:
    sqlite3* db_ = nullptr;
};
