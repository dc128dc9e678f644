// Translation cost per statement over the workstations' statements: the first translation of a
// shape, a repeated one served from the cache, and SQLite's own prepare of the translated text,
// reported as ratios measured in the same run.
#include <QFile>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>

#include "appserver/dialect/translator.h"
#include "appserver/schema/catalogue.h"

namespace {

using Clock = std::chrono::steady_clock;

QStringList workstationStatements() {
    QFile file(QStringLiteral(WORKSTATION_STATEMENTS));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList statements;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (!line.trimmed().isEmpty() && !line.startsWith(u"--"))
            statements.append(line);
    }
    return statements;
}

class SchemaDatabase {
  public:
    SchemaDatabase() {
        sqlite3_open(":memory:", &db_);
        for (const QString& create : schema::SqliteCreateStatements())
            sqlite3_exec(db_, create.toUtf8().constData(), nullptr, nullptr, nullptr);
    }
    ~SchemaDatabase() { sqlite3_close(db_); }
    SchemaDatabase(const SchemaDatabase&) = delete;
    SchemaDatabase& operator=(const SchemaDatabase&) = delete;

    void prepare(const QString& sql) {
        const QByteArray text = sql.toUtf8();
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &statement, nullptr);
        sqlite3_finalize(statement);
    }

  private:
    sqlite3* db_ = nullptr;
};

double seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

void TranslationAgainstPrepare(benchmark::State& state) {
    const QStringList statements = workstationStatements();
    if (statements.isEmpty()) {
        state.SkipWithError("no statements");
        return;
    }
    // Statements that create or drop tables are left out: preparing them depends on what ran before.
    QStringList preparable;
    QStringList translated;
    dialect::Translator reference(dialect::Target::Sqlite);
    for (const QString& statement : statements) {
        const QString sql = reference.translate(statement).sql;
        if (!sql.startsWith(u"create table") && !sql.startsWith(u"drop table")) {
            preparable.append(statement);
            translated.append(sql);
        }
    }
    SchemaDatabase database;
    dialect::Translator cached(dialect::Target::Sqlite);
    for (const QString& statement : preparable)
        cached.translate(statement);

    Clock::duration first{}, repeated{}, prepare{};
    for (auto _ : state) {
        auto start = Clock::now();
        dialect::Translator fresh(dialect::Target::Sqlite);
        for (const QString& statement : preparable)
            benchmark::DoNotOptimize(fresh.translate(statement));
        first += Clock::now() - start;

        start = Clock::now();
        for (const QString& statement : preparable)
            benchmark::DoNotOptimize(cached.translate(statement));
        repeated += Clock::now() - start;

        start = Clock::now();
        for (const QString& sql : translated)
            database.prepare(sql);
        prepare += Clock::now() - start;
    }
    const double perRound = double(state.iterations()) * double(preparable.size());
    state.counters["statements"] = double(preparable.size());
    state.counters["first_us"] = seconds(first) / perRound * 1e6;
    state.counters["cached_us"] = seconds(repeated) / perRound * 1e6;
    state.counters["prepare_us"] = seconds(prepare) / perRound * 1e6;
    state.counters["first/cached"] = seconds(first) / seconds(repeated);
    state.counters["cached/prepare"] = seconds(repeated) / seconds(prepare);
    state.counters["first/prepare"] = seconds(first) / seconds(prepare);
}
BENCHMARK(TranslationAgainstPrepare)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
