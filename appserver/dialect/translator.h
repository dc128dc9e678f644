#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <QVariant>

#include <memory>

namespace dialect {

enum class Target { Sqlite, Postgres };

struct Translated {
    QString sql;                 // the statement for the engine
    QList<QVariant> parameters;  // literals lifted out, bound in order (? placeholders for SQLite)
    bool passedThrough = false;  // not in the subset: sent to the engine unchanged
};

// Turns the statements that workstations send into the engine's own dialect.
// Thread-safe; caches translations by statement shape (literals lifted out).
class Translator {
  public:
    explicit Translator(Target target);
    ~Translator();
    Translator(const Translator&) = delete;
    Translator& operator=(const Translator&) = delete;

    Translated translate(QStringView statement);

  private:
    struct Cache;
    Target target_;
    std::unique_ptr<Cache> cache_;
};

}  // namespace dialect
