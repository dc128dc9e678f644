#include <QDate>
#include <QProcess>
#include <QProcessEnvironment>

#include <sqlite3.h>

#include <map>

#include "common/open_stop_rule.h"
#include "common/sql.h"
#include "tests/appserver/station_test.h"
#include "tests/support/qt_print.h"

namespace {

constexpr int kCommandTimeoutMs = 30000;

QString ticketdProgram() {
    const QString buildDir = qEnvironmentVariable("TICKETS_BUILD_DIR");
    return (buildDir.isEmpty() ? QStringLiteral(".") : buildDir) + QStringLiteral("/appserver/ticketd");
}

struct TripToday {
    QString state;
    QString rule;
    qint64 extraMinutes = 0;
    QString busOfTheDay;
    QString defaultBus;
    bool operator==(const TripToday&) const = default;
};

struct DepartureRow {
    QString checkState;
    qint64 sold = 0;
    bool operator==(const DepartureRow&) const = default;
};

struct Station {
    std::map<QString, TripToday> trips;
    std::map<QString, DepartureRow> departures;
    bool operator==(const Station&) const = default;
};

class DayChangeTest : public StationTest {
  protected:
    DayChangeTest() : StationTest(ServerFixture::Options{true, {}}) {}

    static QDate today() { return QDate::currentDate(); }
    static QDate yesterday() { return today().addDays(-1); }

    void execute(const QString& statement) {
        auto admin = desk();
        ASSERT_TRUE(admin);
        EXPECT_GE(admin->execute(statement), 0) << statement.toStdString();
    }

    Station station() {
        Station seen;
        auto admin = desk();
        if (!admin)
            return seen;
        const auto trips = admin->query(
            QStringLiteral("select 车次,状态,开停条件,加售分钟,进站客车,默认客车 from 站台客车"));
        const auto departures = admin->query(QStringLiteral("select 车次,检票,售出 from 发车表"));
        if (!trips || !departures) {
            ADD_FAILURE() << "cannot read the timetable";
            return seen;
        }
        for (const auto& row : trips->rows) {
            seen.trips[row.at(0).toString()] = {row.at(1).toString(), row.at(2).toString(),
                                                row.at(3).toLongLong(), row.at(4).toString(),
                                                row.at(5).toString()};
        }
        for (const auto& row : departures->rows)
            seen.departures[row.at(0).toString()] = {row.at(1).toString(), row.at(2).toLongLong()};
        return seen;
    }

    // Written straight into the stopped server's database file.
    void setLastDayChange(const QDate& day) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(server.databasePath().toUtf8().constData(), &db), SQLITE_OK);
        const QString statement = QStringLiteral("UPDATE ticketd_day_change SET day = ") +
                                  sqlText(day.toString(Qt::ISODate));
        EXPECT_EQ(sqlite3_exec(db, statement.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(db);
        EXPECT_EQ(sqlite3_changes(db), 1);
        sqlite3_close(db);
    }

    // Runs `ticketd --day-change` on the stopped server's database; what it printed.
    QString runDayChangeCommand() {
        QProcess command;
        command.setProgram(ticketdProgram());
        command.setArguments({QStringLiteral("--db"), server.databasePath(), QStringLiteral("--day-change"),
                              QStringLiteral("--quiet")});
        command.start();
        EXPECT_TRUE(command.waitForFinished(kCommandTimeoutMs));
        EXPECT_EQ(command.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(command.exitCode(), 0) << command.readAllStandardError().toStdString();
        return QString::fromUtf8(command.readAllStandardOutput());
    }

    // Yesterday's work on the demo station: a trip stopped and one opened by hand, extra minutes
    // and another bus of the day, a departed trip and one still being checked.
    void spendYesterday() {
        execute(QStringLiteral("update 站台客车 set 状态=") + sqlText(u"停") +
                QStringLiteral(", 加售分钟=10, 进站客车='' where 车次=") + sqlText(u"1101"));
        execute(QStringLiteral("update 站台客车 set 开停条件=") + sqlText(u"E") + QStringLiteral(" where 车次=") +
                sqlText(u"1305"));
        execute(QStringLiteral("update 站台客车 set 进站客车=") + sqlText(u"none") + QStringLiteral(" where 车次=") +
                sqlText(u"1202"));
        execute(QStringLiteral("update 发车表 set 检票=") + sqlText(u"开出") +
                QStringLiteral(", 售出=5 where 车次=") + sqlText(u"1102"));
        execute(QStringLiteral("update 发车表 set 检票=") + sqlText(u"是") +
                QStringLiteral(", 售出=3 where 车次=") + sqlText(u"1103"));
    }

    // Stops the server, dates its last day change yesterday and runs the command.
    QString changeDayFromYesterday() {
        server.stop();
        setLastDayChange(yesterday());
        const QString printed = runDayChangeCommand();
        EXPECT_TRUE(server.restart()) << server.failure().toStdString();
        return printed;
    }
};

TEST_F(DayChangeTest, TurnsTheTimetableFromYesterdayByTheRules) {
    spendYesterday();
    const Station before = station();
    EXPECT_TRUE(changeDayFromYesterday().contains(QStringLiteral("turned")));
    const Station after = station();

    ASSERT_EQ(after.trips.size(), before.trips.size());
    for (const auto& [code, trip] : after.trips) {
        const TripToday& yesterdays = before.trips.at(code);
        const bool runs = TripRunsOnDate(yesterdays.rule, yesterdays.state, yesterday(), today());
        EXPECT_EQ(trip.state, runs ? QStringLiteral("开") : QStringLiteral("停")) << code.toStdString();
        EXPECT_EQ(trip.extraMinutes, 0) << code.toStdString();
        EXPECT_EQ(trip.busOfTheDay, trip.defaultBus) << code.toStdString();
        EXPECT_EQ(trip.rule, yesterdays.rule) << code.toStdString();
        // Today's departures are exactly the trips that run today, none checked or sold yet.
        const auto departure = after.departures.find(code);
        ASSERT_EQ(departure != after.departures.end(), runs) << code.toStdString();
        if (runs) {
            EXPECT_EQ(departure->second, (DepartureRow{QStringLiteral("否"), 0})) << code.toStdString();
        }
    }

    const bool weekdayOfC135 = QList<int>{1, 3, 5}.contains(today().dayOfWeek());
    struct Case {
        const char* trip;
        QString stateYesterday;
        QString stateToday;
    };
    const Case cases[] = {
        {"1101", QStringLiteral("停"), QStringLiteral("开")},  // A: runs every day
        {"1304", QStringLiteral("开"), QStringLiteral("停")},  // B: ran yesterday, so not today
        {"1306", QStringLiteral("停"), QStringLiteral("停")},  // E: stays stopped
        {"1305", QStringLiteral("开"), QStringLiteral("停")},  // E since yesterday: stops
        {"1106", QStringLiteral("开"), weekdayOfC135 ? QStringLiteral("开") : QStringLiteral("停")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(before.trips.at(QString::fromLatin1(c.trip)).state, c.stateYesterday) << c.trip;
        EXPECT_EQ(after.trips.at(QString::fromLatin1(c.trip)).state, c.stateToday) << c.trip;
    }
    EXPECT_EQ(after.departures.at(QStringLiteral("1102")), (DepartureRow{QStringLiteral("否"), 0}));
}

TEST_F(DayChangeTest, SecondRunOnTheSameDayChangesNothing) {
    spendYesterday();
    changeDayFromYesterday();
    // Today's own work, which a second run must leave alone.
    execute(QStringLiteral("update 站台客车 set 状态=") + sqlText(u"停") +
            QStringLiteral(", 加售分钟=15, 进站客车='' where 车次=") + sqlText(u"1201"));
    execute(QStringLiteral("update 发车表 set 检票=") + sqlText(u"开出") + QStringLiteral(", 售出=7 where 车次=") +
            sqlText(u"1301"));
    const Station before = station();

    server.stop();
    EXPECT_TRUE(runDayChangeCommand().contains(QStringLiteral("already done")));
    ASSERT_TRUE(server.restart()) << server.failure().toStdString();
    EXPECT_EQ(station(), before);
}

TEST_F(DayChangeTest, NewStationNeedsNoChangeOnItsFirstDay) {
    const Station before = station();
    server.stop();
    EXPECT_TRUE(runDayChangeCommand().contains(QStringLiteral("already done")));
    ASSERT_TRUE(server.restart()) << server.failure().toStdString();
    EXPECT_EQ(station(), before);
}

// A running server turns the timetable at its first request of a new day; the login is that request.
TEST_F(DayChangeTest, FirstRequestOfANewDayTurnsTheTimetable) {
    spendYesterday();
    server.stop();
    setLastDayChange(yesterday());
    ASSERT_TRUE(server.restart()) << server.failure().toStdString();
    const Station after = station();
    EXPECT_EQ(after.trips.at(QStringLiteral("1101")).state, QStringLiteral("开"));
    EXPECT_EQ(after.trips.at(QStringLiteral("1101")).extraMinutes, 0);
    EXPECT_EQ(after.departures.at(QStringLiteral("1102")), (DepartureRow{QStringLiteral("否"), 0}));
    EXPECT_FALSE(after.departures.contains(QStringLiteral("1305")));
}

}  // namespace
