#pragma once

#include <QSet>
#include <QString>

#include <optional>

#include "appserver/engine/engine.h"
#include "appserver/lock_table.h"

// The statements one connection sends between a granted lock and its unlock. The first granted lock
// opens a write transaction; the last unlock commits it, or rolls it back when a statement in
// between failed. A lease that runs out, or a dropped connection, rolls it back too.
class LockedGroup {
  public:
    LockedGroup(LockTable& locks, engine::Connection& db, quint64 owner);
    ~LockedGroup();
    LockedGroup(const LockedGroup&) = delete;
    LockedGroup& operator=(const LockedGroup&) = delete;

    bool lock(LockTable::Mode mode, const QString& key,
              LockTable::Clock::time_point now = LockTable::Clock::now());

    struct UnlockOutcome {
        bool released = false;
        QString rollbackReason;  // set when the group was rolled back instead of committed
    };
    UnlockOutcome unlock(LockTable::Mode mode, const QString& key);

    bool active() const { return !held_.isEmpty(); }
    // Why statements cannot run now (an earlier one failed, or the lease ran out); empty when they can.
    QString refusal() const;
    void noteFailure(const QString& error);
    std::optional<LockTable::Clock::time_point> leaseEnd() const { return leaseEnd_; }
    // Rolls back and frees every lock when the lease has run out; true when it did.
    bool expireIfDue(LockTable::Clock::time_point now = LockTable::Clock::now());
    // The connection is going away: roll back and free every lock.
    void abandon();

  private:
    struct Slot {
        LockTable::Mode mode;
        QString key;
        bool operator==(const Slot&) const = default;
    };
    friend size_t qHash(const Slot& slot, size_t seed) {
        return qHash(slot.key, seed) ^ static_cast<size_t>(slot.mode);
    }

    void finish(bool commit);

    LockTable& locks_;
    engine::Connection& db_;
    const quint64 owner_;
    QSet<Slot> held_;
    std::optional<LockTable::Clock::time_point> leaseEnd_;
    QString failure_;       // the first failed statement of the group
    bool expired_ = false;  // rolled back by the lease; the owner's next unlock reports it
};
