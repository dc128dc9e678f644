#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <stdexcept>

// The database behind ticketd. Each client session owns one Connection and uses it from its own
// thread only; the Engine hands them out and may be shared.
namespace engine {

// A column of a result and, when the engine can tell, the table column it was read from.
struct ColumnInfo {
    QString name;
    QString declaredType;
    QString originTable;
    QString originColumn;
};

struct Result {
    QList<ColumnInfo> columns;  // empty for a statement that returns no rows
    QList<QList<QVariant>> rows;
    qint64 rowsAffected = 0;
};

// The engine refused a statement; what() is the engine's own message.
class StatementError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

using ScalarFunction = std::function<QVariant(const QList<QVariant>& arguments)>;

class Connection {
  public:
    virtual ~Connection() = default;

    // Runs one statement; values bind to its ? placeholders in order.
    virtual Result execute(const QString& statement, const QList<QVariant>& parameters = {}) = 0;

    // A write transaction that holds the engine's write lock from its start.
    virtual void beginImmediate() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual bool inTransaction() const = 0;

    // A nested group inside the open transaction that can be undone alone.
    virtual void savepoint(const QString& name) = 0;
    virtual void releaseSavepoint(const QString& name) = 0;
    virtual void rollbackToSavepoint(const QString& name) = 0;

    virtual QStringList tableNames() = 0;
    // Empty when the table does not exist.
    virtual QStringList columnNames(const QString& table) = 0;

    // A function that statements (and triggers) of this connection may call.
    virtual void defineFunction(const QString& name, int argumentCount, ScalarFunction function) = 0;
};

class Engine {
  public:
    virtual ~Engine() = default;
    virtual std::unique_ptr<Connection> connect() = 0;
};

}  // namespace engine
