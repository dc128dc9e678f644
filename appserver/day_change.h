#pragma once

#include <QDate>

#include "appserver/dialect/translator.h"
#include "appserver/engine/engine.h"

// The timetable's turn to a new day: every trip's 状态 set by its open/stop rule for the new day,
// 加售分钟 back to 0, the bus of the day back to the trip's default bus, and the departure table of
// the day before emptied and made again from the trips that run on the new day. ticketd keeps the
// day of the last change in a table of its own, so the change happens once a day however often it
// is asked for.
namespace day_change {

// Creates the record of the last day change when it is missing.
void prepareTable(engine::Connection& db);

// A database that never had a day change is taken as current: today is recorded, nothing changes.
void recordTodayWhenNeverChanged(engine::Connection& db, const QDate& today);

enum class Outcome {
    Changed,      // the timetable was turned to today
    AlreadyDone,  // the last change was today (or later): nothing changed
};

// Turns the timetable to `today` in one transaction when the last change was on an earlier day.
// The connection must not be in a transaction.
Outcome changeDayIfDue(engine::Connection& db, dialect::Translator& translation, const QDate& today);

}  // namespace day_change
