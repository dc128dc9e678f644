#include "appserver/lock_table.h"

namespace {

// A record key never starts with a control character, so the table slot cannot collide with one.
const QString kTableSlot = QStringLiteral("\x01table");

}  // namespace

QString LockTable::slotOf(Mode mode, const QString& key) {
    return mode == Mode::Table ? kTableSlot : key;
}

bool LockTable::conflicts(quint64 owner, const QString& slot, Clock::time_point now) const {
    const auto live = [&](const Holder& holder) { return holder.owner != owner && holder.leaseEnd > now; };
    if (slot == kTableSlot) {
        for (const Holder& holder : held_) {
            if (live(holder))
                return true;
        }
        return false;
    }
    const auto table = held_.constFind(kTableSlot);
    if (table != held_.constEnd() && live(*table))
        return true;
    const auto record = held_.constFind(slot);
    return record != held_.constEnd() && live(*record);
}

bool LockTable::tryLock(quint64 owner, Mode mode, const QString& key, Clock::time_point now) {
    const QString slot = slotOf(mode, key);
    std::lock_guard guard(mutex_);
    if (conflicts(owner, slot, now))
        return false;
    held_.insert(slot, Holder{owner, now + lease_});
    return true;
}

bool LockTable::unlock(quint64 owner, Mode mode, const QString& key) {
    const QString slot = slotOf(mode, key);
    std::lock_guard guard(mutex_);
    const auto found = held_.find(slot);
    if (found == held_.end() || found->owner != owner)
        return false;
    held_.erase(found);
    return true;
}

void LockTable::releaseAll(quint64 owner) {
    std::lock_guard guard(mutex_);
    held_.removeIf([owner](const auto& entry) { return entry.value().owner == owner; });
}
