#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "tests/support/qt_print.h"
#include "tests/support/server_fixture.h"

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class TicketSql : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(fixture.started()) << fixture.failure().toStdString(); }

    ToolRun run(const QStringList& arguments, const QString& input = QString(),
                const QString& password = ServerFixture::kAdminPassword) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TICKET_SQL_PASSWORD"), password);
        process.setProcessEnvironment(environment);
        const QString program =
            qEnvironmentVariable("TICKETS_BUILD_DIR") + QStringLiteral("/tools/ticket-sql/ticket-sql");
        process.start(program, QStringList{QStringLiteral("--port"), QString::number(fixture.port()),
                                           QStringLiteral("--user"), ServerFixture::kAdminCode} +
                                   arguments);
        process.write(input.toUtf8());
        process.closeWriteChannel();
        if (!process.waitForFinished(30000)) {
            ADD_FAILURE() << "ticket-sql did not finish";
            process.kill();
            process.waitForFinished();
        }
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    ServerFixture fixture;
};

TEST_F(TicketSql, WritesCountRowsAndSelectsPrintTabSeparatedRows) {
    const ToolRun result = run(
        {QStringLiteral("insert into 票价表 (站点编号,站点名称,一类价) values ('S1','O''Hare\t东莞',12.5)"),
         QStringLiteral("insert into 票价表 (站点编号,站点名称) values ('S2','广州')"),
         QStringLiteral("select 站点编号, 站点名称, 一类价 from 票价表 order by 站点编号")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("1 rows affected\n"
                                         "1 rows affected\n"
                                         "站点编号\t站点名称\t一类价\n"
                                         "S1\tO'Hare\\t东莞\t12.5\n"
                                         "S2\t广州\t0\n"));
}

TEST_F(TicketSql, ReadsStatementsAndMethodCallsFromStandardInput) {
    const ToolRun result = run({}, QStringLiteral("insert into 站台 (站台卡位) values ('A1')\n"
                                                  "\n"
                                                  "\\call lock 0 08-05-078003\n"
                                                  "\\call Getfn '站台'\n"
                                                  "select count(*) as n from 站台\n"));
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("1 rows affected\ntrue\n站台卡位|\nn\n1\n"));
}

TEST_F(TicketSql, StopsAtTheFirstFailureUnlessToldToKeepGoing) {
    const QStringList statements{QStringLiteral("insert into 没有这个表 (a) values (1)"),
                                 QStringLiteral("insert into 站台 (站台卡位) values ('A1')")};
    const ToolRun stopped = run(statements);
    EXPECT_EQ(stopped.exitCode, 1);
    EXPECT_TRUE(stopped.err.contains(QStringLiteral("没有这个表"))) << stopped.err.toStdString();
    EXPECT_EQ(stopped.out, QString());

    const ToolRun kept = run(QStringList{QStringLiteral("--keep-going")} + statements);
    EXPECT_EQ(kept.exitCode, 1);
    EXPECT_EQ(kept.out, QStringLiteral("1 rows affected\n"));
}

TEST_F(TicketSql, AWrongPasswordEndsBeforeAnyStatement) {
    const ToolRun result = run({QStringLiteral("insert into 站台 (站台卡位) values ('A1')")}, QString(),
                               QStringLiteral("wrong"));
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(result.err.isEmpty());
    EXPECT_EQ(result.out, QString());
}

}  // namespace
