#include "appserver/day_change_watch.h"

#include "appserver/day_change.h"

void DayChangeWatch::beforeRequest(engine::Connection& db, dialect::Translator& translation, EventLog& log,
                                   const QDate& today) {
    if (doneDay_.load() == today.toJulianDay() || db.inTransaction())
        return;
    try {
        if (day_change::changeDayIfDue(db, translation, today) == day_change::Outcome::Changed)
            log.write(QStringLiteral("timetable turned to %1").arg(today.toString(Qt::ISODate)));
        doneDay_.store(today.toJulianDay());
    } catch (const std::exception& error) {
        log.write(QStringLiteral("day change to %1 failed: %2")
                      .arg(today.toString(Qt::ISODate), QString::fromUtf8(error.what())));
    }
}
