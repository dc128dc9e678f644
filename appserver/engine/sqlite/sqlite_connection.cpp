#include "appserver/engine/sqlite/sqlite_connection.h"

#include <sqlite3.h>

#include <QByteArray>

namespace engine {

namespace {

// Finalizes a prepared statement however the scope is left.
class PreparedStatement {
  public:
    explicit PreparedStatement(sqlite3_stmt* statement) : statement_(statement) {}
    ~PreparedStatement() { sqlite3_finalize(statement_); }
    PreparedStatement(const PreparedStatement&) = delete;
    PreparedStatement& operator=(const PreparedStatement&) = delete;
    sqlite3_stmt* get() const { return statement_; }

  private:
    sqlite3_stmt* statement_;
};

QString fromUtf8(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

void bindValue(sqlite3_stmt* statement, int index, const QVariant& value) {
    if (value.isNull()) {
        sqlite3_bind_null(statement, index);
        return;
    }
    switch (value.typeId()) {
        case QMetaType::Bool:
            sqlite3_bind_int(statement, index, value.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            sqlite3_bind_int64(statement, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            sqlite3_bind_double(statement, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            sqlite3_bind_blob64(statement, index, bytes.constData(),
                                static_cast<sqlite3_uint64>(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray text = value.toString().toUtf8();
            sqlite3_bind_text64(statement, index, text.constData(), static_cast<sqlite3_uint64>(text.size()),
                                SQLITE_TRANSIENT, SQLITE_UTF8);
        }
    }
}

QVariant columnValue(sqlite3_stmt* statement, int index) {
    switch (sqlite3_column_type(statement, index)) {
        case SQLITE_INTEGER:
            return QVariant(static_cast<qint64>(sqlite3_column_int64(statement, index)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(statement, index));
        case SQLITE_TEXT:
            return QVariant(
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, index)),
                                  sqlite3_column_bytes(statement, index)));
        case SQLITE_BLOB:
            return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, index)),
                                       sqlite3_column_bytes(statement, index)));
        default:
            return QVariant();
    }
}

QVariant argumentValue(sqlite3_value* value) {
    switch (sqlite3_value_type(value)) {
        case SQLITE_INTEGER:
            return QVariant(static_cast<qint64>(sqlite3_value_int64(value)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_value_double(value));
        case SQLITE_TEXT:
            return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(value)),
                                              sqlite3_value_bytes(value)));
        case SQLITE_BLOB:
            return QVariant(
                QByteArray(static_cast<const char*>(sqlite3_value_blob(value)), sqlite3_value_bytes(value)));
        default:
            return QVariant();
    }
}

void callScalarFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    const auto* function = static_cast<const ScalarFunction*>(sqlite3_user_data(context));
    QList<QVariant> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(argumentValue(argv[i]));
    const QVariant result = (*function)(arguments);
    if (result.isNull()) {
        sqlite3_result_null(context);
    } else if (result.typeId() == QMetaType::LongLong || result.typeId() == QMetaType::Int) {
        sqlite3_result_int64(context, result.toLongLong());
    } else {
        const QByteArray text = result.toString().toUtf8();
        sqlite3_result_text64(context, text.constData(), static_cast<sqlite3_uint64>(text.size()),
                              SQLITE_TRANSIENT, SQLITE_UTF8);
    }
}

bool onlyWhitespace(const char* text) {
    for (; *text; ++text) {
        if (*text != ' ' && *text != '\t' && *text != '\r' && *text != '\n' && *text != ';')
            return false;
    }
    return true;
}

}  // namespace

SqliteConnection::SqliteConnection(const QString& path, int busyTimeoutMs) {
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db_,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = db_ ? fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("out of memory");
        sqlite3_close(db_);
        db_ = nullptr;
        throw StatementError(QStringLiteral("cannot open %1: %2").arg(path, message).toStdString());
    }
    sqlite3_busy_timeout(db_, busyTimeoutMs);
    run("PRAGMA journal_mode=WAL");
    run("PRAGMA synchronous=FULL");
}

SqliteConnection::~SqliteConnection() {
    if (inTransaction())
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(db_);
}

Result SqliteConnection::execute(const QString& statement, const QList<QVariant>& parameters) {
    const QByteArray text = statement.toUtf8();
    const char* next = text.constData();
    Result result;
    bool first = true;
    while (first || !onlyWhitespace(next)) {
        sqlite3_stmt* raw = nullptr;
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(db_, next, -1, &raw, &tail) != SQLITE_OK)
            fail();
        PreparedStatement prepared(raw);
        next = tail;
        if (!raw) {
            if (first)
                throw StatementError("empty statement");
            break;
        }
        if (first) {
            const int placeholders = sqlite3_bind_parameter_count(raw);
            if (placeholders != parameters.size()) {
                throw StatementError(
                    QStringLiteral("the statement has %1 placeholders but %2 values were given")
                        .arg(placeholders)
                        .arg(parameters.size())
                        .toStdString());
            }
            for (int i = 0; i < placeholders; ++i)
                bindValue(raw, i + 1, parameters.at(i));
        }
        first = false;

        Result current;
        const int columnCount = sqlite3_column_count(raw);
        for (int i = 0; i < columnCount; ++i) {
            current.columns.append(
                {fromUtf8(sqlite3_column_name(raw, i)), fromUtf8(sqlite3_column_decltype(raw, i)),
                 fromUtf8(sqlite3_column_table_name(raw, i)), fromUtf8(sqlite3_column_origin_name(raw, i))});
        }
        const int changesBefore = sqlite3_total_changes(db_);
        for (;;) {
            const int rc = sqlite3_step(raw);
            if (rc == SQLITE_DONE)
                break;
            if (rc != SQLITE_ROW)
                fail();
            QList<QVariant> row;
            row.reserve(columnCount);
            for (int i = 0; i < columnCount; ++i)
                row.append(columnValue(raw, i));
            current.rows.append(std::move(row));
        }
        // Counts the rows of the statement itself, not those its triggers touched.
        const bool changedSomething = sqlite3_total_changes(db_) != changesBefore;
        current.rowsAffected = !sqlite3_stmt_readonly(raw) && changedSomething ? sqlite3_changes(db_) : 0;
        result.rowsAffected += current.rowsAffected;
        if (columnCount > 0) {
            result.columns = std::move(current.columns);
            result.rows = std::move(current.rows);
        }
    }
    return result;
}

void SqliteConnection::beginImmediate() {
    run("BEGIN IMMEDIATE");
}
void SqliteConnection::commit() {
    run("COMMIT");
}
void SqliteConnection::rollback() {
    if (inTransaction())
        run("ROLLBACK");
}
bool SqliteConnection::inTransaction() const {
    return sqlite3_get_autocommit(db_) == 0;
}

void SqliteConnection::savepoint(const QString& name) {
    run(QStringLiteral("SAVEPOINT \"%1\"").arg(name).toUtf8());
}
void SqliteConnection::releaseSavepoint(const QString& name) {
    run(QStringLiteral("RELEASE SAVEPOINT \"%1\"").arg(name).toUtf8());
}
void SqliteConnection::rollbackToSavepoint(const QString& name) {
    run(QStringLiteral("ROLLBACK TO SAVEPOINT \"%1\"").arg(name).toUtf8());
    releaseSavepoint(name);
}

QStringList SqliteConnection::tableNames() {
    QStringList names;
    const Result result =
        execute(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                               "'sqlite\\_%' ESCAPE '\\' ORDER BY name"));
    for (const auto& row : result.rows)
        names.append(row.at(0).toString());
    return names;
}

QStringList SqliteConnection::columnNames(const QString& table) {
    QStringList names;
    const Result result =
        execute(QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid"), {table});
    for (const auto& row : result.rows)
        names.append(row.at(0).toString());
    return names;
}

void SqliteConnection::defineFunction(const QString& name, int argumentCount, ScalarFunction function) {
    functions_.push_back(std::move(function));
    const int rc =
        sqlite3_create_function_v2(db_, name.toUtf8().constData(), argumentCount, SQLITE_UTF8,
                                   &functions_.back(), callScalarFunction, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail();
}

void SqliteConnection::run(const QByteArray& statement) {
    if (sqlite3_exec(db_, statement.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail();
}

void SqliteConnection::fail() const {
    throw StatementError(sqlite3_errmsg(db_));
}

}  // namespace engine
