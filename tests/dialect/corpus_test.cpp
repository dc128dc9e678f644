#include <QFile>

#include <gtest/gtest.h>

#include "appserver/dialect/translator.h"
#include "appserver/schema/catalogue.h"
#include "tests/dialect/station_database.h"

namespace {

QStringList workstationStatements() {
    QFile file(QStringLiteral(WORKSTATION_STATEMENTS));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << WORKSTATION_STATEMENTS;
    QStringList statements;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (!line.trimmed().isEmpty() && !line.startsWith(u"--"))
            statements.append(line);
    }
    return statements;
}

// Every statement the workstations send is in the subset and the engine accepts its translation
// with one value for each placeholder. Statements that create or drop a table are run, so that the
// statements after them see the tables they expect.
TEST(WorkstationStatements, TranslateAndPrepareOnTheSchema) {
    const QStringList statements = workstationStatements();
    ASSERT_GT(statements.size(), 0);
    StationDatabase database;
    dialect::Translator translator(dialect::Target::Sqlite);
    for (const QString& statement : statements) {
        const dialect::Translated translated = translator.translate(statement);
        EXPECT_FALSE(translated.passedThrough) << statement.toStdString();
        if (translated.passedThrough)
            continue;
        const bool changesTables =
            translated.sql.startsWith(u"create table") || translated.sql.startsWith(u"drop table");
        if (changesTables) {
            database.run(translated);
            continue;
        }
        const QString error = database.prepareError(translated);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString() << "\n  sent:       " << statement.toStdString()
                                     << "\n  translated: " << translated.sql.toStdString();
    }
}

// The demo station is written the way workstations write, and goes through the same translation.
TEST(WorkstationStatements, DemoStationFillsAnEmptyDatabase) {
    StationDatabase database;
    for (const QString& statement : schema::DemoStatements(QDate(2008, 5, 7)))
        database.translateAndRun(statement);
    EXPECT_GT(database.translateAndRun(u"select count(*) from 站台客车").value(0).value(0).toInt(), 0);
    EXPECT_EQ(database.translateAndRun(u"select count(*) from 票价表 where 六类价<>0 and 六类价<1")
                  .value(0)
                  .value(0),
              0);
}

}  // namespace
