#include "appserver/engine/sqlite/sqlite_engine.h"

#include "appserver/engine/sqlite/sqlite_connection.h"

namespace engine {

SqliteEngine::SqliteEngine(QString path) : path_(std::move(path)) {}

std::unique_ptr<Connection> SqliteEngine::connect() {
    return std::make_unique<SqliteConnection>(path_, kBusyTimeoutMs);
}

}  // namespace engine
