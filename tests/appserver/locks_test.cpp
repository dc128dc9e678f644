#include <QDeadlineTimer>

#include "tests/appserver/station_test.h"

namespace {

const QString kKey = QStringLiteral("08-05-078003");

bool lock(WireClient& desk, const QString& key, int mode = 0) {
    const wire::Reply reply = desk.call(QStringLiteral("lock"), {mode, key});
    return reply.ok && reply.result.toBool();
}

wire::Reply unlock(WireClient& desk, const QString& key, int mode = 0) {
    return desk.call(QStringLiteral("unlock"), {mode, key});
}

// Asks for the lock until it is granted or the bound runs out.
bool lockWithin(WireClient& desk, const QString& key, int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        if (lock(desk, key))
            return true;
    }
    return false;
}

QString insertTicket(const QString& number, const QString& seat) {
    return QStringLiteral(
               "insert into 已售车票 (票号,车次,乘车日期,座位号,标志) "
               "values('%1','8003','2008-05-07','%2','全票')")
        .arg(number, seat);
}

qint64 ticketCount(WireClient& desk) {
    const auto rows = desk.query(QStringLiteral("select count(*) from 已售车票"));
    return rows ? rows->rows.at(0).at(0).toLongLong() : -1;
}

class LocksTest : public StationTest {};

TEST_F(LocksTest, OneOwnerPerKeyAndOnlyTheOwnerUnlocks) {
    auto first = desk();
    auto second = desk();
    ASSERT_TRUE(first && second);

    EXPECT_TRUE(lock(*first, kKey));
    EXPECT_TRUE(lock(*first, kKey)) << "the owner may ask again";
    EXPECT_FALSE(lock(*second, kKey));
    EXPECT_FALSE(lock(*second, QStringLiteral("whatever"), 1)) << "a table lock conflicts with every key";

    EXPECT_TRUE(unlock(*second, kKey).ok) << "unlock by a non-owner is harmless";
    EXPECT_FALSE(lock(*second, kKey)) << "and changes nothing";

    EXPECT_TRUE(unlock(*first, kKey).ok);
    EXPECT_TRUE(lock(*second, kKey));
    EXPECT_TRUE(unlock(*second, kKey).ok);

    EXPECT_TRUE(lock(*first, QStringLiteral("anything"), 1));
    EXPECT_FALSE(lock(*second, kKey)) << "no record lock beside a table lock";
    EXPECT_TRUE(unlock(*first, QStringLiteral("anything"), 1).ok);
    EXPECT_TRUE(lock(*second, kKey));
    EXPECT_TRUE(unlock(*second, kKey).ok);
}

TEST_F(LocksTest, GroupCommitsAtUnlockAndRollsBackWhenAStatementFailed) {
    auto seller = desk();
    auto other = desk();
    ASSERT_TRUE(seller && other);

    ASSERT_TRUE(lock(*seller, kKey));
    EXPECT_EQ(seller->execute(insertTicket(QStringLiteral("080507800301"), QStringLiteral("01"))), 1);
    EXPECT_TRUE(unlock(*seller, kKey).ok);
    EXPECT_EQ(ticketCount(*other), 1);

    ASSERT_TRUE(lock(*seller, kKey));
    EXPECT_EQ(seller->execute(insertTicket(QStringLiteral("080507800302"), QStringLiteral("02"))), 1);
    EXPECT_EQ(seller->execute(QStringLiteral("update 没有这个表 set x=1")), -1);
    EXPECT_EQ(seller->execute(insertTicket(QStringLiteral("080507800303"), QStringLiteral("03"))), -1)
        << "a failed group takes no more statements";
    const wire::Reply unlocked = unlock(*seller, kKey);
    EXPECT_FALSE(unlocked.ok);
    EXPECT_EQ(unlocked.code, wire::ErrorCode::StatementFailed);
    EXPECT_TRUE(unlocked.error.contains(QStringLiteral("rolled back"))) << unlocked.error.toStdString();
    EXPECT_EQ(ticketCount(*other), 1);

    EXPECT_TRUE(lock(*other, kKey)) << "the key is free again";
    EXPECT_TRUE(unlock(*other, kKey).ok);
    EXPECT_EQ(seller->execute(insertTicket(QStringLiteral("080507800304"), QStringLiteral("04"))), 1)
        << "after the unlock statements run on their own again";
}

TEST_F(LocksTest, DroppedConnectionRollsBackAndFreesItsLock) {
    auto seller = desk();
    auto other = desk();
    ASSERT_TRUE(seller && other);
    ASSERT_TRUE(lock(*seller, kKey));
    ASSERT_EQ(seller->execute(insertTicket(QStringLiteral("080507800301"), QStringLiteral("01"))), 1);
    seller->disconnect();

    EXPECT_TRUE(lockWithin(*other, kKey, 20000));
    EXPECT_EQ(ticketCount(*other), 0);
    EXPECT_TRUE(unlock(*other, kKey).ok);
}

class LockLeaseTest : public StationTest {
  protected:
    LockLeaseTest()
        : StationTest(ServerFixture::Options{false, {QStringLiteral("--lock-lease"), QStringLiteral("1")}}) {}
};

TEST_F(LockLeaseTest, LockHeldPastItsLeaseIsRolledBackAndTheOwnerIsTold) {
    auto slow = desk();
    auto other = desk();
    ASSERT_TRUE(slow && other);
    ASSERT_TRUE(lock(*slow, kKey));
    ASSERT_EQ(slow->execute(insertTicket(QStringLiteral("080507800301"), QStringLiteral("01"))), 1);

    EXPECT_TRUE(lockWithin(*other, kKey, 20000));
    EXPECT_EQ(ticketCount(*other), 0);
    EXPECT_EQ(slow->execute(insertTicket(QStringLiteral("080507800302"), QStringLiteral("02"))), -1)
        << "a statement after the lease must not run outside the group it belonged to";
    const wire::Reply late = unlock(*slow, kKey);
    EXPECT_FALSE(late.ok);
    EXPECT_TRUE(late.error.contains(QStringLiteral("lease"))) << late.error.toStdString();
    EXPECT_FALSE(lock(*slow, kKey)) << "the other desk holds it now";
    EXPECT_TRUE(unlock(*other, kKey).ok);
}

}  // namespace
