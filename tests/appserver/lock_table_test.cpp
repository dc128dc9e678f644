#include <gtest/gtest.h>

#include "appserver/lock_table.h"

namespace {

using Mode = LockTable::Mode;
using namespace std::chrono_literals;

const LockTable::Clock::time_point kStart{};

struct Attempt {
    const char* what;
    quint64 owner;
    Mode mode;
    const char* key;
    std::chrono::milliseconds at;
    bool granted;
};

// Owner 1 holds record "A" from the start; each row asks while that lock (30 s lease) stands.
TEST(LockTable, ConflictsAndLeases) {
    const Attempt attempts[] = {
        {"another key beside a record lock", 2, Mode::Record, "B", 1s, true},
        {"the same key from another owner", 3, Mode::Record, "A", 1s, false},
        {"a table lock beside any record lock", 3, Mode::Table, "", 1s, false},
        {"the owner again", 1, Mode::Record, "A", 2s, true},
        {"the same key once the lease ran out", 3, Mode::Record, "A", 33s, true},
    };
    for (const Attempt& attempt : attempts) {
        LockTable locks;
        ASSERT_TRUE(locks.tryLock(1, Mode::Record, QStringLiteral("A"), kStart));
        EXPECT_EQ(
            locks.tryLock(attempt.owner, attempt.mode, QString::fromLatin1(attempt.key), kStart + attempt.at),
            attempt.granted)
            << attempt.what;
    }
}

TEST(LockTable, TableLockShutsOutEveryKeyUntilReleased) {
    LockTable locks;
    ASSERT_TRUE(locks.tryLock(1, Mode::Table, QStringLiteral("ignored"), kStart));
    EXPECT_FALSE(locks.tryLock(2, Mode::Record, QStringLiteral("A"), kStart));
    EXPECT_FALSE(locks.tryLock(2, Mode::Table, QStringLiteral("other"), kStart));
    EXPECT_FALSE(locks.unlock(2, Mode::Table, QStringLiteral("other"))) << "not the owner";
    EXPECT_TRUE(locks.unlock(1, Mode::Table, QStringLiteral("any key")));
    EXPECT_TRUE(locks.tryLock(2, Mode::Record, QStringLiteral("A"), kStart));
}

TEST(LockTable, ReleaseAllFreesOnlyThatOwnersLocks) {
    LockTable locks;
    ASSERT_TRUE(locks.tryLock(1, Mode::Record, QStringLiteral("A"), kStart));
    ASSERT_TRUE(locks.tryLock(1, Mode::Record, QStringLiteral("B"), kStart));
    ASSERT_TRUE(locks.tryLock(2, Mode::Record, QStringLiteral("C"), kStart));
    locks.releaseAll(1);
    EXPECT_TRUE(locks.tryLock(3, Mode::Record, QStringLiteral("A"), kStart));
    EXPECT_TRUE(locks.tryLock(3, Mode::Record, QStringLiteral("B"), kStart));
    EXPECT_FALSE(locks.tryLock(3, Mode::Record, QStringLiteral("C"), kStart));
}

}  // namespace
