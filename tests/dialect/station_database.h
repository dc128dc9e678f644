#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "appserver/dialect/translator.h"

struct sqlite3;

// An in-memory SQLite database with every table of the station, for running translated
// statements the way the server runs them.
class StationDatabase {
  public:
    StationDatabase();
    ~StationDatabase();
    StationDatabase(const StationDatabase&) = delete;
    StationDatabase& operator=(const StationDatabase&) = delete;

    // Empty when the engine accepts the statement, else its error message.
    QString prepareError(const dialect::Translated& statement);
    // Runs a statement and returns its rows; a failure fails the running test.
    QList<QVariantList> run(const dialect::Translated& statement);
    // Result column names of the last run.
    const QStringList& columnNames() const { return columnNames_; }

    // Translates for SQLite and runs.
    QList<QVariantList> translateAndRun(QStringView statement);

  private:
    sqlite3* db_ = nullptr;
    dialect::Translator translator_{dialect::Target::Sqlite};
    QStringList columnNames_;
};
