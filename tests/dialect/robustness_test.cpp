#include <QFile>

#include <gtest/gtest.h>

#include <random>

#include "appserver/dialect/translator.h"
#include "tests/dialect/variant_print.h"
#include "tests/support/qt_print.h"

namespace {

QStringList workstationStatements() {
    QFile file(QStringLiteral(WORKSTATION_STATEMENTS));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList statements;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (!line.trimmed().isEmpty() && !line.startsWith(u"--"))
            statements.append(line);
    }
    return statements;
}

// Cut and garbled versions of the workstations' statements: every prefix, and characters that
// matter to the reader put in at random places.
QStringList damagedStatements() {
    static const QString troublemakers = QStringLiteral("'()+-,.*\"[]0 a车;=<>");
    std::mt19937 random(20080507);
    QStringList damaged;
    for (const QString& statement : workstationStatements()) {
        for (qsizetype length = 0; length < statement.size(); length += 3)
            damaged.append(statement.left(length));
        for (int mutation = 0; mutation < 20; ++mutation) {
            QString garbled = statement;
            for (int change = 0; change < 3; ++change) {
                const qsizetype at = qsizetype(random() % quint32(garbled.size()));
                garbled[at] = troublemakers[qsizetype(random() % quint32(troublemakers.size()))];
            }
            damaged.append(garbled);
        }
    }
    return damaged;
}

// Whatever arrives, the translator answers, and a cached answer is the one a fresh translation
// gives: statements that share a shape are read alike.
TEST(Robustness, DamagedStatementsTranslateAsWithoutTheCache) {
    dialect::Translator shared(dialect::Target::Sqlite);
    int translated = 0;
    for (const QString& statement : damagedStatements()) {
        const dialect::Translated cached = shared.translate(statement);
        const dialect::Translated fresh = dialect::Translator(dialect::Target::Sqlite).translate(statement);
        ASSERT_EQ(cached.passedThrough, fresh.passedThrough) << statement.toStdString();
        ASSERT_EQ(cached.sql, fresh.sql) << statement.toStdString();
        ASSERT_EQ(cached.parameters, fresh.parameters) << statement.toStdString();
        if (cached.passedThrough)
            continue;
        ++translated;
        EXPECT_EQ(cached.sql.count(u'?'), cached.parameters.size()) << cached.sql.toStdString();
    }
    EXPECT_GT(translated, 0);
}

}  // namespace
