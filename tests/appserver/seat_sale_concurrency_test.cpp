#include <QStringList>

#include <atomic>
#include <thread>
#include <vector>

#include "tests/appserver/station_test.h"

namespace {

constexpr int kDesks = 8;
constexpr int kSeats = 12;
const QString kLockKey = QStringLiteral("08-05-078003");

// One desk selling the trip's seats the way the sale desk does: take the lock, look whether the
// seat is free, insert the ticket, release the lock.
struct DeskOutcome {
    int sold = 0;
    int failures = 0;
};

DeskOutcome sellEverySeat(const QString& host, quint16 port, int desk) {
    DeskOutcome outcome;
    WireClient client;
    if (!client.connectTo(host, port) ||
        !client.login(ServerFixture::kAdminCode, ServerFixture::kAdminPassword)) {
        outcome.failures = kSeats;
        return outcome;
    }
    for (int seat = 1; seat <= kSeats; ++seat) {
        const QString seatText = QStringLiteral("%1").arg(seat, 2, 10, QLatin1Char('0'));
        const wire::Reply granted = client.call(QStringLiteral("lock"), {0, kLockKey});
        if (!granted.ok)
            ++outcome.failures;
        if (!granted.result.toBool()) {
            --seat;  // refused at once: ask again, as a seller would
            continue;
        }
        const auto taken =
            client.query(QStringLiteral("select 票号 from 已售车票 where 乘车日期+车次+座位号='2008-05-07"
                                        "8003%1' and 标志<>'退票'")
                             .arg(seatText));
        if (!taken) {
            ++outcome.failures;
        } else if (taken->rows.isEmpty()) {
            const QString number =
                QStringLiteral("08050780%1%2").arg(desk, 2, 10, QLatin1Char('0')).arg(seatText);
            const qint64 inserted = client.execute(
                QStringLiteral("insert into 已售车票 (票号,原票号,车次,乘车日期,座位号,标志,售票员) "
                               "values('%1','%1','8003','2008-05-07','%2','全票','%3')")
                    .arg(number, seatText)
                    .arg(desk));
            if (inserted == 1) {
                ++outcome.sold;
            } else {
                ++outcome.failures;
            }
        }
        if (!client.call(QStringLiteral("unlock"), {0, kLockKey}).ok)
            ++outcome.failures;
    }
    return outcome;
}

class SeatSaleConcurrencyTest : public StationTest {};

TEST_F(SeatSaleConcurrencyTest, EightDesksUnderTheLockNeverSellASeatTwice) {
    std::vector<DeskOutcome> outcomes(kDesks);
    std::vector<std::thread> desks;
    for (int desk = 0; desk < kDesks; ++desk) {
        desks.emplace_back([&, desk] {
            outcomes[static_cast<size_t>(desk)] = sellEverySeat(server.host(), server.port(), desk);
        });
    }
    for (std::thread& desk : desks)
        desk.join();

    int sold = 0;
    for (const DeskOutcome& outcome : outcomes) {
        EXPECT_EQ(outcome.failures, 0);
        sold += outcome.sold;
    }
    EXPECT_EQ(sold, kSeats);

    auto reader = desk();
    ASSERT_TRUE(reader);
    const auto perSeat = reader->query(QStringLiteral(
        "select 座位号, count(*) from 已售车票 where 标志<>'退票' group by 座位号 order by 座位号"));
    ASSERT_TRUE(perSeat);
    ASSERT_EQ(perSeat->rows.size(), kSeats);
    for (const auto& row : perSeat->rows)
        EXPECT_EQ(row.at(1).toLongLong(), 1) << row.at(0).toString().toStdString();
}

}  // namespace
