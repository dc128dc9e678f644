#pragma once

#include <QByteArray>
#include <QString>

#include <list>

#include "appserver/engine/engine.h"

struct sqlite3;

namespace engine {

// One sqlite3 handle, used from one thread at a time.
class SqliteConnection : public Connection {
  public:
    SqliteConnection(const QString& path, int busyTimeoutMs);
    ~SqliteConnection() override;
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    Result execute(const QString& statement, const QList<QVariant>& parameters = {}) override;
    void beginImmediate() override;
    void commit() override;
    void rollback() override;
    bool inTransaction() const override;
    void savepoint(const QString& name) override;
    void releaseSavepoint(const QString& name) override;
    void rollbackToSavepoint(const QString& name) override;
    QStringList tableNames() override;
    QStringList columnNames(const QString& table) override;
    void defineFunction(const QString& name, int argumentCount, ScalarFunction function) override;

  private:
    void run(const QByteArray& statement);
    [[noreturn]] void fail() const;

    sqlite3* db_ = nullptr;
    std::list<ScalarFunction> functions_;  // stable addresses handed to SQLite
};

}  // namespace engine
