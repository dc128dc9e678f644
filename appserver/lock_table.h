#pragma once

#include <QHash>
#include <QString>

#include <chrono>
#include <mutex>

// The seat locks that desks take around a sale: try-locks keyed by text, owned by a connection,
// each with a lease. Mode 1 locks the whole table: it conflicts with every other lock.
class LockTable {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds kDefaultLease{30};

    enum class Mode { Record = 0, Table = 1 };

    explicit LockTable(std::chrono::milliseconds lease = kDefaultLease) : lease_(lease) {}
    std::chrono::milliseconds lease() const { return lease_; }

    // Granted when no other connection holds a conflicting lock whose lease still runs; a lock
    // the same connection already holds is granted again with a fresh lease.
    bool tryLock(quint64 owner, Mode mode, const QString& key, Clock::time_point now = Clock::now());
    // True when the owner held the lock and gave it up; a non-owner changes nothing.
    bool unlock(quint64 owner, Mode mode, const QString& key);
    void releaseAll(quint64 owner);

  private:
    struct Holder {
        quint64 owner;
        Clock::time_point leaseEnd;
    };
    static QString slotOf(Mode mode, const QString& key);
    bool conflicts(quint64 owner, const QString& slot, Clock::time_point now) const;

    const std::chrono::milliseconds lease_;
    mutable std::mutex mutex_;
    QHash<QString, Holder> held_;  // by slot: the key, or the table slot for mode 1
};
