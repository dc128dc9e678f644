// What a desk pays for going through ticketd: a one-row select and a locked insert group, over
// loopback to a real server, against the same statements run in-process on the same engine.
// Prints the two ratios at the end.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDate>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "appserver/database_setup.h"
#include "appserver/dialect/translator.h"
#include "appserver/engine/sqlite/sqlite_engine.h"
#include "protocol/frame.h"
#include "protocol/message.h"
#include "tests/support/server_fixture.h"

namespace {

const QString kSelectOneRow =
    QStringLiteral("select 客车编号, 客车名称, 座位数 from 客车 where 客车编号='A1'");
const QString kLockKey = QStringLiteral("08-05-078003");

constexpr int kSeatsPerTrip = 60;

// Each sale takes the next free seat; a full trip moves the sales on to the next day.
QString insertTicket(qint64 serial) {
    const QDate travelDate = QDate(2008, 5, 7).addDays(serial / kSeatsPerTrip);
    const int seat = static_cast<int>(serial % kSeatsPerTrip) + 1;
    return QStringLiteral(
               "insert into 已售车票 (票号,原票号,车次,乘车日期,座位号,票价,标志,售票员,已结账) "
               "values('%1','%1','8003','%2','%3',25.5,'全票','1001',0)")
        .arg(serial, 12, 10, QLatin1Char('0'))
        .arg(travelDate.toString(QStringLiteral("yyyy-MM-dd")))
        .arg(seat, 2, 10, QLatin1Char('0'));
}
const QString kCountSale = QStringLiteral("update desklist set ssum=ssum+1 where date0+ccno='08-05-078003'");
const QString kSeedBus = QStringLiteral("insert into 客车 (客车编号,客车名称,座位数) values('A1','金龙',45)");
const QString kSeedCounter = QStringLiteral("insert into DeskList (DATE0,CCNO) values('08-05-07','8003')");

class Desk {
  public:
    bool connectTo(const QString& host, quint16 port) {
        socket_.connectToHost(host, port);
        return socket_.waitForConnected(30000);
    }

    wire::Reply call(const QString& method, const QCborArray& arguments) {
        socket_.write(wire::encodeFrame(wire::Request{nextId_++, method, arguments}.toCbor()));
        for (;;) {
            if (const auto frame = reader_.next()) {
                const auto reply = frame->message ? wire::Reply::fromCbor(*frame->message) : std::nullopt;
                return reply
                           ? *reply
                           : wire::Reply::failure(0, wire::ErrorCode::Internal, QStringLiteral("bad reply"));
            }
            if (!socket_.waitForReadyRead(30000)) {
                return wire::Reply::failure(0, wire::ErrorCode::Internal, QStringLiteral("no reply"));
            }
            reader_.append(socket_.readAll());
        }
    }

  private:
    QTcpSocket socket_;
    wire::FrameReader reader_;
    qint64 nextId_ = 1;
};

// One server and one logged-in desk for the whole run.
struct ThroughServer {
    ServerFixture server;
    Desk desk;
    bool ready = false;

    ThroughServer() {
        if (!server.started() || !desk.connectTo(server.host(), server.port()))
            return;
        ready = desk.call(QStringLiteral("Login"), {ServerFixture::kAdminCode, ServerFixture::kAdminPassword})
                    .ok &&
                desk.call(QStringLiteral("ExeSql1"), {kSeedBus}).ok &&
                desk.call(QStringLiteral("ExeSql1"), {kSeedCounter}).ok;
    }
};

// The same engine, schema and statement translation, without the server in between.
struct InProcess {
    QTemporaryDir folder;
    std::unique_ptr<engine::SqliteEngine> engine;
    std::unique_ptr<engine::Connection> db;
    dialect::Translator translation{dialect::Target::Sqlite};

    InProcess() {
        engine = std::make_unique<engine::SqliteEngine>(folder.filePath(QStringLiteral("station.db")));
        db = engine->connect();
        database_setup::prepare(*db);
        run(kSeedBus);
        run(kSeedCounter);
    }

    engine::Result run(const QString& statement) {
        const auto translated = translation.translate(statement);
        return db->execute(translated.sql, translated.parameters);
    }
};

ThroughServer& throughServer() {
    static ThroughServer instance;
    return instance;
}

InProcess& inProcess() {
    static InProcess instance;
    return instance;
}

qint64 nextTicketSerial() {
    static qint64 serial = 0;
    return ++serial;
}

void SelectOneRowThroughTicketd(benchmark::State& state) {
    ThroughServer& server = throughServer();
    if (!server.ready) {
        state.SkipWithError("ticketd did not start");
        return;
    }
    for (auto _ : state) {
        const wire::Reply reply =
            server.desk.call(QStringLiteral("Open"), {QStringLiteral("QueryPV"), kSelectOneRow});
        if (!reply.ok)
            state.SkipWithError("select failed");
        benchmark::DoNotOptimize(reply);
    }
}

void SelectOneRowInProcess(benchmark::State& state) {
    InProcess& local = inProcess();
    for (auto _ : state)
        benchmark::DoNotOptimize(local.run(kSelectOneRow));
}

void LockedInsertGroupThroughTicketd(benchmark::State& state) {
    ThroughServer& server = throughServer();
    if (!server.ready) {
        state.SkipWithError("ticketd did not start");
        return;
    }
    for (auto _ : state) {
        const bool granted = server.desk.call(QStringLiteral("lock"), {0, kLockKey}).result.toBool();
        const bool inserted =
            server.desk.call(QStringLiteral("ExeSql1"), {insertTicket(nextTicketSerial())}).ok;
        const bool counted = server.desk.call(QStringLiteral("ExeSql1"), {kCountSale}).ok;
        const bool committed = server.desk.call(QStringLiteral("unlock"), {0, kLockKey}).ok;
        if (!granted || !inserted || !counted || !committed)
            state.SkipWithError("locked group failed");
    }
}

void LockedInsertGroupInProcess(benchmark::State& state) {
    InProcess& local = inProcess();
    for (auto _ : state) {
        local.db->beginImmediate();
        local.run(insertTicket(nextTicketSerial()));
        local.run(kCountSale);
        local.db->commit();
    }
}

BENCHMARK(SelectOneRowThroughTicketd);
BENCHMARK(SelectOneRowInProcess);
BENCHMARK(LockedInsertGroupThroughTicketd);
BENCHMARK(LockedInsertGroupInProcess);

// Keeps each benchmark's time per iteration, to print the ratios after the usual table.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.iterations > 0 && !run.error_occurred) {
                nanosecondsPerIteration_[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
    }

    void printRatio(const char* what, const std::string& server, const std::string& local) const {
        const auto s = nanosecondsPerIteration_.find(server);
        const auto l = nanosecondsPerIteration_.find(local);
        if (s == nanosecondsPerIteration_.end() || l == nanosecondsPerIteration_.end() || l->second <= 0)
            return;
        std::printf("%-20s through ticketd / in-process: %.1fx\n", what, s->second / l->second);
    }

  private:
    std::map<std::string, double> nanosecondsPerIteration_;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (qEnvironmentVariableIsEmpty("TICKETS_BUILD_DIR"))
        qputenv("TICKETS_BUILD_DIR", TICKETS_BUILD_DIR);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("one-row select", "SelectOneRowThroughTicketd", "SelectOneRowInProcess");
    reporter.printRatio("locked insert group", "LockedInsertGroupThroughTicketd",
                        "LockedInsertGroupInProcess");
    benchmark::Shutdown();
    return 0;
}
