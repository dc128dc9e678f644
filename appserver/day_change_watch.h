#pragma once

#include <QDate>

#include <atomic>

#include "appserver/dialect/translator.h"
#include "appserver/engine/engine.h"
#include "appserver/event_log.h"

// Runs the day change at the first request of a new day. Once a day is known to be done, a request
// costs one comparison; sessions that race at midnight are serialised by the change's own
// transaction, which finds the work done for all but the first.
class DayChangeWatch {
  public:
    // Called before a request is answered. A connection inside a locked group is left alone: the
    // change waits for its next request outside the group. A failed change is logged and tried
    // again at the next request.
    void beforeRequest(engine::Connection& db, dialect::Translator& translation, EventLog& log,
                       const QDate& today);

  private:
    std::atomic<qint64> doneDay_{0};  // Julian day of the last day found done
};
