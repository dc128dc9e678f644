#include "tests/dialect/station_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "appserver/schema/catalogue.h"

namespace {

QString lastError(sqlite3* db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

void bind(sqlite3_stmt* statement, int index, const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::LongLong:
        case QMetaType::Int:
            sqlite3_bind_int64(statement, index, value.toLongLong());
            break;
        case QMetaType::Double:
            sqlite3_bind_double(statement, index, value.toDouble());
            break;
        case QMetaType::QString: {
            const QByteArray text = value.toString().toUtf8();
            sqlite3_bind_text(statement, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            break;
        }
        default:
            sqlite3_bind_null(statement, index);
            break;
    }
}

QVariant columnValue(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
        case SQLITE_INTEGER:
            return qlonglong(sqlite3_column_int64(statement, column));
        case SQLITE_FLOAT:
            return sqlite3_column_double(statement, column);
        case SQLITE_TEXT:
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
        default:
            return {};
    }
}

}  // namespace

StationDatabase::StationDatabase() {
    sqlite3_open(":memory:", &db_);
    for (const QString& create : schema::SqliteCreateStatements()) {
        char* error = nullptr;
        if (sqlite3_exec(db_, create.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
            ADD_FAILURE() << "schema: " << error << " in " << create.toStdString();
            sqlite3_free(error);
        }
    }
}

StationDatabase::~StationDatabase() {
    sqlite3_close(db_);
}

QString StationDatabase::prepareError(const dialect::Translated& statement) {
    sqlite3_stmt* prepared = nullptr;
    const QByteArray sql = statement.sql.toUtf8();
    const int status = sqlite3_prepare_v2(db_, sql.constData(), int(sql.size()), &prepared, nullptr);
    QString error = status == SQLITE_OK ? QString() : lastError(db_);
    if (status == SQLITE_OK && sqlite3_bind_parameter_count(prepared) != statement.parameters.size())
        error = QStringLiteral("%1 placeholders for %2 values")
                    .arg(sqlite3_bind_parameter_count(prepared))
                    .arg(statement.parameters.size());
    sqlite3_finalize(prepared);
    return error;
}

QList<QVariantList> StationDatabase::run(const dialect::Translated& statement) {
    QList<QVariantList> rows;
    columnNames_.clear();
    sqlite3_stmt* prepared = nullptr;
    const QByteArray sql = statement.sql.toUtf8();
    if (sqlite3_prepare_v2(db_, sql.constData(), int(sql.size()), &prepared, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << lastError(db_).toStdString() << " in " << statement.sql.toStdString();
        return rows;
    }
    for (int i = 0; i < statement.parameters.size(); ++i)
        bind(prepared, i + 1, statement.parameters[i]);
    const int columns = sqlite3_column_count(prepared);
    for (int column = 0; column < columns; ++column)
        columnNames_.append(QString::fromUtf8(sqlite3_column_name(prepared, column)));
    int status = SQLITE_ROW;
    while ((status = sqlite3_step(prepared)) == SQLITE_ROW) {
        QVariantList row;
        for (int column = 0; column < columns; ++column)
            row.append(columnValue(prepared, column));
        rows.append(row);
    }
    if (status != SQLITE_DONE)
        ADD_FAILURE() << lastError(db_).toStdString() << " running " << statement.sql.toStdString();
    sqlite3_finalize(prepared);
    return rows;
}

QList<QVariantList> StationDatabase::translateAndRun(QStringView statement) {
    const dialect::Translated translated = translator_.translate(statement);
    EXPECT_FALSE(translated.passedThrough) << statement.toString().toStdString();
    return run(translated);
}
