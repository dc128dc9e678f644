#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "appserver/dialect/translator.h"
#include "appserver/engine/engine.h"

// Brings a database to the tables of this build at start: every table and index created when
// missing, the columns that an older build did not have added, the schema version recorded.
namespace database_setup {

// Returns the schema version the database had before (0 for a new one). Refuses a database that
// a newer build prepared.
qint64 prepare(engine::Connection& db);

struct DemoLogin {
    QString code;
    QString name;
    QString role;
    QString password;
};
// Fills the demo station when the database has no operator yet. Returns the demo logins, or
// nothing when the database already had operators.
QList<DemoLogin> fillDemoStationWhenEmpty(engine::Connection& db, dialect::Translator& translation,
                                          const QDate& today);

}  // namespace database_setup
