#include "appserver/locked_group.h"

LockedGroup::LockedGroup(LockTable& locks, engine::Connection& db, quint64 owner)
    : locks_(locks), db_(db), owner_(owner) {}

LockedGroup::~LockedGroup() {
    abandon();
}

bool LockedGroup::lock(LockTable::Mode mode, const QString& key, LockTable::Clock::time_point now) {
    expireIfDue(now);
    if (expired_)
        return false;
    if (!locks_.tryLock(owner_, mode, key, now))
        return false;
    if (held_.isEmpty()) {
        try {
            db_.beginImmediate();
        } catch (const engine::StatementError&) {
            locks_.unlock(owner_, mode, key);
            return false;
        }
        leaseEnd_ = now + locks_.lease();
        failure_.clear();
    }
    held_.insert(Slot{mode, key});
    return true;
}

LockedGroup::UnlockOutcome LockedGroup::unlock(LockTable::Mode mode, const QString& key) {
    expireIfDue();
    if (expired_) {
        expired_ = false;
        return UnlockOutcome{
            true, QStringLiteral(
                      "the lock was held longer than its lease of %1 ms; its statements were rolled back")
                      .arg(locks_.lease().count())};
    }
    if (!held_.remove(Slot{mode, key}))
        return UnlockOutcome{};
    locks_.unlock(owner_, mode, key);
    if (!held_.isEmpty())
        return UnlockOutcome{true, {}};
    const QString failure = failure_;
    try {
        finish(failure.isEmpty());
    } catch (const engine::StatementError& error) {
        db_.rollback();
        return UnlockOutcome{
            true, QStringLiteral("the locked group could not be committed (%1); it was rolled back")
                      .arg(QString::fromUtf8(error.what()))};
    }
    if (!failure.isEmpty()) {
        return UnlockOutcome{
            true, QStringLiteral("a statement of the locked group failed (%1); the group was rolled back")
                      .arg(failure)};
    }
    return UnlockOutcome{true, {}};
}

QString LockedGroup::refusal() const {
    if (expired_) {
        return QStringLiteral(
                   "the lock was held longer than its lease of %1 ms and its statements were rolled back; "
                   "unlock first")
            .arg(locks_.lease().count());
    }
    if (!failure_.isEmpty()) {
        return QStringLiteral(
                   "an earlier statement of this locked group failed (%1); unlock rolls the group back")
            .arg(failure_);
    }
    return {};
}

void LockedGroup::noteFailure(const QString& error) {
    if (active() && failure_.isEmpty())
        failure_ = error;
}

bool LockedGroup::expireIfDue(LockTable::Clock::time_point now) {
    if (!active() || !leaseEnd_ || now < *leaseEnd_)
        return false;
    abandon();
    expired_ = true;
    return true;
}

void LockedGroup::abandon() {
    if (!active())
        return;
    for (const Slot& slot : std::as_const(held_))
        locks_.unlock(owner_, slot.mode, slot.key);
    held_.clear();
    try {
        finish(false);
    } catch (const engine::StatementError&) {
        // The connection is failing as well; SQLite drops the transaction with the handle.
    }
}

void LockedGroup::finish(bool commit) {
    leaseEnd_.reset();
    failure_.clear();
    if (!db_.inTransaction())
        return;
    if (commit) {
        db_.commit();
    } else {
        db_.rollback();
    }
}
