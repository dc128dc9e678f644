#include "appserver/day_change.h"

#include "common/open_stop_rule.h"
#include "common/sql.h"

namespace day_change {

namespace {

const QString kOpen = QStringLiteral("开");
const QString kStopped = QStringLiteral("停");

std::optional<QDate> lastChangeDay(engine::Connection& db) {
    const engine::Result result = db.execute(QStringLiteral("SELECT max(day) FROM ticketd_day_change"));
    if (result.rows.isEmpty() || result.rows.first().first().isNull())
        return std::nullopt;
    return QDate::fromString(result.rows.first().first().toString(), Qt::ISODate);
}

void recordDay(engine::Connection& db, const QDate& day) {
    db.execute(QStringLiteral("DELETE FROM ticketd_day_change"));
    db.execute(QStringLiteral("INSERT INTO ticketd_day_change (day) VALUES (") +
               sqlText(day.toString(Qt::ISODate)) + QStringLiteral(")"));
}

engine::Result run(engine::Connection& db, dialect::Translator& translation, const QString& statement) {
    const dialect::Translated translated = translation.translate(statement);
    return db.execute(translated.sql, translated.parameters);
}

// 状态 of every trip whose rule says otherwise for `day` than its state on `lastDay`.
void setTripStates(engine::Connection& db, dialect::Translator& translation, const QDate& lastDay,
                   const QDate& day) {
    const engine::Result trips = run(db, translation, QStringLiteral("select 车次,状态,开停条件 from 站台客车"));
    for (const QList<QVariant>& trip : trips.rows) {
        const QString code = trip.at(0).toString();
        const QString state = trip.at(1).toString();
        const QString newState =
            TripRunsOnDate(trip.at(2).toString(), state, lastDay, day) ? kOpen : kStopped;
        if (newState != state) {
            run(db, translation,
                QStringLiteral("update 站台客车 set 状态=") + sqlText(newState) + QStringLiteral(" where 车次=") +
                    sqlText(code));
        }
    }
}

void turnTimetable(engine::Connection& db, dialect::Translator& translation, const QDate& lastDay,
                   const QDate& day) {
    setTripStates(db, translation, lastDay, day);
    run(db, translation, QStringLiteral("update 站台客车 set 加售分钟=0, 进站客车=默认客车"));
    run(db, translation, QStringLiteral("delete from 发车表"));
    run(db, translation,
        QStringLiteral("insert into 发车表 (车次,线路名称,类型,发车时间,停靠站台,检票,检票口) "
                       "select 车次,线路名称,类型,发车时间,停靠站台,") +
            sqlText(u"否") + QStringLiteral(",检票口 from 站台客车 where 状态=") + sqlText(kOpen));
}

template <typename Work>
auto inTransaction(engine::Connection& db, Work work) {
    db.beginImmediate();
    try {
        auto result = work();
        db.commit();
        return result;
    } catch (...) {
        db.rollback();
        throw;
    }
}

}  // namespace

void prepareTable(engine::Connection& db) {
    db.execute(QStringLiteral("CREATE TABLE IF NOT EXISTS ticketd_day_change (day TEXT NOT NULL)"));
}

void recordTodayWhenNeverChanged(engine::Connection& db, const QDate& today) {
    inTransaction(db, [&] {
        const bool neverChanged = !lastChangeDay(db);
        if (neverChanged)
            recordDay(db, today);
        return neverChanged;
    });
}

Outcome changeDayIfDue(engine::Connection& db, dialect::Translator& translation, const QDate& today) {
    return inTransaction(db, [&] {
        const std::optional<QDate> lastDay = lastChangeDay(db);
        if (!lastDay || !lastDay->isValid()) {
            recordDay(db, today);
            return Outcome::AlreadyDone;
        }
        if (*lastDay >= today)
            return Outcome::AlreadyDone;
        turnTimetable(db, translation, *lastDay, today);
        recordDay(db, today);
        return Outcome::Changed;
    });
}

}  // namespace day_change
