#include "server/app_server.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>

#include "common/sql.h"
#include "server/client_dataset.h"
#include "server/schema_names.h"
#include "server/server_error.h"
#include "server/server_lock.h"
#include "server/tcp_app_server.h"
#include "tests/support/qt_print.h"
#include "tests/support/server_fixture.h"

namespace {

class LoggedInServer : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fixture.started()) << fixture.failure().toStdString();
        logIn(server);
    }

    void logIn(TcpAppServer& client) {
        client.connectTo(fixture.host(), fixture.port());
        client.Login(ServerFixture::kAdminCode, ServerFixture::kAdminPassword);
    }

    int countRows(const QString& select) {
        return static_cast<int>(server.open(provider::Query, select).rows.size());
    }

    ServerFixture fixture;
    TcpAppServer server;
};

TEST_F(LoggedInServer, LoginNamesTheOperatorAndAWrongPasswordIsRefused) {
    TcpAppServer other;
    other.connectTo(fixture.host(), fixture.port());
    const OperatorIdentity admin = other.Login(ServerFixture::kAdminCode, ServerFixture::kAdminPassword);
    EXPECT_EQ(admin.code, ServerFixture::kAdminCode);
    EXPECT_EQ(admin.role, u"系统管理员");

    TcpAppServer stranger;
    stranger.connectTo(fixture.host(), fixture.port());
    try {
        stranger.Login(ServerFixture::kAdminCode, QStringLiteral("wrong"));
        FAIL() << "a wrong password was accepted";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.kind(), ServerError::Kind::Refused);
        EXPECT_EQ(e.code(), wire::ErrorCode::LoginRefused);
        EXPECT_FALSE(e.message().isEmpty());
    }
    EXPECT_THROW(stranger.ExeSql1(QStringLiteral("delete 站台")), ServerError);
    EXPECT_EQ(stranger.GetVer(), u"SQL");  // the handshake still works
}

TEST_F(LoggedInServer, PasswordsAreCheckedAndChangedOnTheServer) {
    const QString admin = ServerFixture::kAdminCode;
    EXPECT_TRUE(server.CheckPassword(admin, ServerFixture::kAdminPassword));
    EXPECT_FALSE(server.CheckPassword(admin, QStringLiteral("guess")));
    server.SetPassword(admin, QStringLiteral("新的 pass'word"));
    EXPECT_TRUE(server.CheckPassword(admin, QStringLiteral("新的 pass'word")));

    TcpAppServer desk;
    desk.connectTo(fixture.host(), fixture.port());
    const wire::DataSet operators = desk.OperatorList();  // readable before login
    ClientDataSet list;
    list.assign(operators);
    EXPECT_TRUE(list.FindRecord(QStringLiteral("操作员代号"), true, admin));
    EXPECT_THROW(desk.Login(admin, ServerFixture::kAdminPassword), ServerError);
    EXPECT_EQ(desk.Login(admin, QStringLiteral("新的 pass'word")).code, admin);
}

TEST_F(LoggedInServer, TextsWithQuotesAndChineseComeBackUnchanged) {
    const QString name = QStringLiteral("O'Brien 广州'';--");
    EXPECT_EQ(server.ExeSql1(QStringLiteral("insert into 票价表 (站点编号,站点名称,一类价) values (%1,%2,%3)")
                                 .arg(sqlText(u"Q1"), sqlText(name), sqlMoney(Money::fromUnits(125001)))),
              1);
    EXPECT_EQ(server.ExeSql3(QStringLiteral("insert into 票价表 (站点编号,站点名称) values ('Q2','深圳')")),
              1);
    EXPECT_EQ(server.ExeSql5(QStringLiteral("update 票价表 set 路程=12")), 2);

    ClientDataSet fares(provider::Query);
    fares.setCommandText(QStringLiteral("select 站点名称, 一类价, 路程 from 票价表 where 站点名称=") +
                         sqlText(name));
    fares.open(server);
    ASSERT_EQ(fares.recordCount(), 1);
    EXPECT_EQ(fares.text(QStringLiteral("站点名称")), name);
    EXPECT_EQ(fares.money(QStringLiteral("一类价")), Money::fromUnits(125001));
    EXPECT_EQ(fares.integer(QStringLiteral("路程")), 12);

    ClientDataSet all(provider::Fares);  // a fixed provider ignores the command text
    all.open(server);
    EXPECT_EQ(all.recordCount(), 2);
    EXPECT_TRUE(all.FindRecord(QStringLiteral("站点名称"), true, QStringLiteral("深圳")));
}

TEST_F(LoggedInServer, ARefusedStatementCarriesTheServersMessageAndTheConnectionStays) {
    try {
        server.ExeSql2(QStringLiteral("insert into 没有这个表 (a) values (1)"));
        FAIL() << "the statement was accepted";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.kind(), ServerError::Kind::Refused);
        EXPECT_FALSE(e.isConnectionFailure());
        EXPECT_EQ(e.code(), wire::ErrorCode::StatementFailed);
        EXPECT_TRUE(e.message().contains(QStringLiteral("没有这个表"))) << e.message().toStdString();
    }
    EXPECT_EQ(server.ExeSql1(QStringLiteral("insert into 站台 (站台卡位) values ('A1')")), 1);
    EXPECT_EQ(server.GetVer(), u"SQL");
    EXPECT_TRUE(server.GetDateTime().isValid());
    EXPECT_TRUE(server.Getfn(table::Bays).startsWith(QStringLiteral("站台卡位|")));
}

TEST_F(LoggedInServer, ServerLockReleasesOnScopeExitAndAFailedGroupIsRolledBack) {
    const QString key = QStringLiteral("08-05-078003");
    TcpAppServer other;
    logIn(other);
    {
        ServerLock held(server, 0, key);
        ASSERT_TRUE(held.granted());
        EXPECT_FALSE(other.lock(0, key));
        ServerLock refused(other, 0, key);
        EXPECT_FALSE(refused.granted());
    }
    ASSERT_TRUE(other.lock(0, key));
    other.unlock(0, key);

    EXPECT_THROW(
        {
            ServerLock held(server, 0, key);
            ASSERT_TRUE(held.granted());
            server.ExeSql1(QStringLiteral("insert into 站台 (站台卡位) values ('B9')"));
            server.ExeSql1(QStringLiteral("insert into 没有这个表 (a) values (1)"));
        },
        ServerError);
    EXPECT_EQ(countRows(QStringLiteral("select * from 站台 where 站台卡位='B9'")), 0);
    EXPECT_TRUE(other.lock(0, key));
}

TEST_F(LoggedInServer, EditedAndDeletedRowsGoBackThroughTheProvider) {
    server.ExecBatch(
        {QStringLiteral("insert into 票价表 (站点编号,站点名称,一类价) values ('P1','广州',12.5)"),
         QStringLiteral("insert into 票价表 (站点编号,站点名称,一类价) values ('P2','深圳',80)"),
         QStringLiteral("insert into 票价表 (站点编号,站点名称,一类价) values ('P3','东莞',30)")});
    ClientDataSet fares(provider::Fares);
    fares.open(server);
    ASSERT_TRUE(fares.FindRecord(QStringLiteral("站点编号"), true, QStringLiteral("p1")));
    fares.edit();
    fares.setValue(QStringLiteral("站点名称"), QStringLiteral("佛山"));
    fares.setMoney(QStringLiteral("一类价"), Money::fromUnits(135000));
    fares.post();
    ASSERT_TRUE(fares.FindRecord(QStringLiteral("站点编号"), true, QStringLiteral("P2")));
    fares.deleteRecord();
    EXPECT_EQ(fares.applyUpdates(server), 2);
    EXPECT_FALSE(fares.hasPendingChanges());

    fares.setRecNo(2);
    fares.refresh(server);
    EXPECT_EQ(fares.recNo(), 2);
    EXPECT_EQ(fares.recordCount(), 2);
    EXPECT_FALSE(fares.FindRecord(QStringLiteral("站点编号"), false, QStringLiteral("P2")));
    ASSERT_TRUE(fares.FindRecord(QStringLiteral("站点编号"), true, QStringLiteral("P1")));
    EXPECT_EQ(fares.text(QStringLiteral("站点名称")), u"佛山");
    EXPECT_EQ(fares.money(QStringLiteral("一类价")), Money::fromUnits(135000));
}

TEST_F(LoggedInServer, AWriteBackOfARowSomeoneElseChangedIsRefusedWhole) {
    server.ExeSql1(QStringLiteral("insert into 站台 (站台卡位) values ('A1')"));
    server.ExeSql1(QStringLiteral("insert into 站台 (站台卡位) values ('A2')"));
    ClientDataSet bays(provider::Stops);
    bays.open(server);
    bays.deleteRecord();
    bays.edit();
    bays.setValue(QStringLiteral("站台卡位"), QStringLiteral("A3"));
    bays.post();
    server.ExeSql1(QStringLiteral("update 站台 set 站台卡位='A9' where 站台卡位='A2'"));

    EXPECT_THROW(bays.applyUpdates(server), ServerError);
    EXPECT_TRUE(bays.hasPendingChanges());
    EXPECT_EQ(countRows(QStringLiteral("select * from 站台")), 2);  // the delete of A1 was undone too
}

// A port that is free now, so a restarted server can come back on the same one.
quint16 freePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

TEST(TcpAppServer, ADroppedServerIsReportedOnceAndReachedAgainAfterItRestarts) {
    const quint16 port = freePort();
    ASSERT_NE(port, 0);
    ServerFixture fixture(ServerFixture::Options{
        false, {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(port)}});
    ASSERT_TRUE(fixture.started()) << fixture.failure().toStdString();
    ASSERT_EQ(fixture.port(), port);

    TcpAppServer server;
    QSignalSpy connected(&server, &TcpAppServer::connected);
    server.connectTo(fixture.host(), fixture.port());
    server.Login(ServerFixture::kAdminCode, ServerFixture::kAdminPassword);
    EXPECT_EQ(connected.count(), 1);

    fixture.stop();
    try {
        server.GetVer();
        FAIL() << "a call to a stopped server returned";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.kind(), ServerError::Kind::ConnectionLost);
        EXPECT_TRUE(e.isConnectionFailure());
    }
    EXPECT_FALSE(server.isConnected());
    try {
        server.GetVer();
        FAIL() << "a call reached a server that is not running";
    } catch (const ServerError& e) {
        EXPECT_TRUE(e.isConnectionFailure());
    }

    ASSERT_TRUE(fixture.restart()) << fixture.failure().toStdString();
    ASSERT_EQ(fixture.port(), port);
    EXPECT_EQ(server.GetVer(), u"SQL");
    EXPECT_EQ(connected.count(), 2);
    // A new connection is a new session: it has to log in again.
    EXPECT_THROW(server.ExeSql1(QStringLiteral("delete 站台")), ServerError);
    server.Login(ServerFixture::kAdminCode, ServerFixture::kAdminPassword);
    EXPECT_EQ(server.ExeSql1(QStringLiteral("delete 站台")), 0);
}

TEST(TcpAppServer, APeerThatNeverAnswersTimesOutAndIsDropped) {
    QTcpServer silent;  // the kernel completes the connection; nobody ever answers on it
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    TcpAppServer server;
    server.setTimeout(std::chrono::milliseconds(300));
    server.connectTo(QStringLiteral("127.0.0.1"), silent.serverPort());
    QElapsedTimer clock;
    clock.start();
    try {
        server.GetVer();
        FAIL() << "a call without an answer returned";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.kind(), ServerError::Kind::TimedOut);
        EXPECT_TRUE(e.isConnectionFailure());
    }
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_FALSE(server.isConnected());
}

TEST(TcpAppServer, NoServerChosenOrNoneListeningIsAConnectionFailure) {
    TcpAppServer server;
    try {
        server.GetVer();
        FAIL() << "a call without a server returned";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.kind(), ServerError::Kind::ConnectionLost);
    }
    const quint16 port = freePort();
    try {
        server.connectTo(QStringLiteral("127.0.0.1"), port);
        FAIL() << "connected to a port nobody listens on";
    } catch (const ServerError& e) {
        EXPECT_TRUE(e.isConnectionFailure());
        EXPECT_TRUE(e.message().contains(QString::number(port))) << e.message().toStdString();
    }
}

}  // namespace
