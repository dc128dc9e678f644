#pragma once

#include <QString>

#include "appserver/engine/engine.h"

namespace engine {

// One SQLite file in WAL mode; every connection waits for the write lock instead of failing at once.
class SqliteEngine : public Engine {
  public:
    static constexpr int kBusyTimeoutMs = 10000;

    explicit SqliteEngine(QString path);
    std::unique_ptr<Connection> connect() override;

  private:
    QString path_;
};

}  // namespace engine
