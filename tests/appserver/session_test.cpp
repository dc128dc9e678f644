#include <gtest/gtest.h>

#include <QCborMap>
#include <QRegularExpression>
#include <QtEndian>

#include "tests/appserver/wire_client.h"
#include "tests/support/server_fixture.h"

namespace {

class SessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.started()) << server.failure().toStdString();
        ASSERT_TRUE(client.connectTo(server.host(), server.port()));
    }

    void logInAsAdministrator() {
        ASSERT_TRUE(client.login(ServerFixture::kAdminCode, ServerFixture::kAdminPassword));
    }

    ServerFixture server;
    WireClient client;
};

TEST_F(SessionTest, LoginAnswersWithTheOperatorAndRefusesWrongPasswords) {
    const wire::Reply wrong =
        client.call(QStringLiteral("Login"), {ServerFixture::kAdminCode, QStringLiteral("nope")});
    EXPECT_FALSE(wrong.ok);
    EXPECT_EQ(wrong.code, wire::ErrorCode::LoginRefused);
    const wire::Reply unknown =
        client.call(QStringLiteral("Login"), {QStringLiteral("4242"), QStringLiteral("x")});
    EXPECT_EQ(unknown.code, wire::ErrorCode::LoginRefused);

    const wire::Reply right =
        client.call(QStringLiteral("Login"), {ServerFixture::kAdminCode, ServerFixture::kAdminPassword});
    ASSERT_TRUE(right.ok) << right.error.toStdString();
    EXPECT_EQ(right.result.toMap().value(QStringLiteral("code")).toString(), ServerFixture::kAdminCode);
    EXPECT_EQ(right.result.toMap().value(QStringLiteral("role")).toString(), QStringLiteral("系统管理员"));
}

TEST_F(SessionTest, BeforeLoginOnlyTheHandshakeIsServed) {
    EXPECT_EQ(client.call(QStringLiteral("GetVer")).result.toString(), QStringLiteral("SQL"));
    EXPECT_TRUE(client.call(QStringLiteral("HostName")).ok);
    const QString now = client.call(QStringLiteral("GetDateTime")).result.toString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}$)"))
                    .match(now)
                    .hasMatch())
        << now.toStdString();
    EXPECT_EQ(client.relay(QStringLiteral("-Online_test-")), QStringLiteral("true"));
    const wire::Reply operators = client.call(QStringLiteral("OperatorList"));
    ASSERT_TRUE(operators.ok);
    const auto list = wire::DataSet::fromCbor(operators.result.toMap());
    ASSERT_TRUE(list);
    ASSERT_EQ(list->fields.size(), 2);
    EXPECT_EQ(list->rows.value(0).value(0).toString(), ServerFixture::kAdminCode);

    const QList<std::pair<QString, QCborArray>> refused{
        {QStringLiteral("ExeSql1"), {QStringLiteral("delete from 客车")}},
        {QStringLiteral("Open"), {QStringLiteral("operpv"), QString()}},
        {QStringLiteral("Open"), {QStringLiteral("QueryPV"), QStringLiteral("select * from 操作员")}},
        {QStringLiteral("ExecBatch"), QCborArray{QCborValue(QCborArray{QStringLiteral("delete from 客车")})}},
        {QStringLiteral("lock"), {0, QStringLiteral("08-05-078003")}},
        {QStringLiteral("CheckPassword"), {ServerFixture::kAdminCode, ServerFixture::kAdminPassword}},
        {QStringLiteral("Send_Get_Data"), {QStringLiteral("op_sd2all请你退出!")}},
        {QStringLiteral("Gettb"), {}},
    };
    for (const auto& [method, arguments] : refused) {
        const wire::Reply reply = client.call(method, arguments);
        EXPECT_FALSE(reply.ok) << method.toStdString();
        EXPECT_EQ(reply.code, wire::ErrorCode::NotLoggedIn) << method.toStdString();
        EXPECT_TRUE(reply.error.contains(QStringLiteral("登录"))) << reply.error.toStdString();
    }
}

TEST_F(SessionTest, StatementsChangeRowsAndProvidersReadThem) {
    logInAsAdministrator();
    EXPECT_EQ(client.execute(QStringLiteral("insert into 客车 (客车编号,客车名称) values('B2','大宇')")), 1);
    EXPECT_EQ(client.execute(QStringLiteral("insert into 客车 (客车编号,客车名称) values('A1','金龙')")), 1);
    EXPECT_EQ(client.execute(QStringLiteral("update 客车 set 座位数=45")), 2);

    const wire::Reply buses = client.call(QStringLiteral("Open"), {QStringLiteral("buspv"), QString()});
    ASSERT_TRUE(buses.ok) << buses.error.toStdString();
    const auto set = wire::DataSet::fromCbor(buses.result.toMap());
    ASSERT_TRUE(set);
    ASSERT_EQ(set->rows.size(), 2);
    EXPECT_EQ(set->rows.at(0).at(0).toString(), QStringLiteral("A1"));  // ordered by 客车编号
    EXPECT_EQ(set->rows.at(1).at(0).toString(), QStringLiteral("B2"));

    const auto seats = client.query(QStringLiteral("select sum(座位数) as 座位 from 客车"));
    ASSERT_TRUE(seats);
    EXPECT_EQ(seats->rows.at(0).at(0).toLongLong(), 90);

    const wire::Reply failed =
        client.call(QStringLiteral("ExeSql3"), {QStringLiteral("insert into 没有这个表 values(1)")});
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.code, wire::ErrorCode::StatementFailed);
}

TEST_F(SessionTest, MoneyTravelsAsTenThousandthsBothWays) {
    logInAsAdministrator();
    QCborMap ticket;
    ticket.insert(QStringLiteral("票号"), QStringLiteral("080507800301"));
    ticket.insert(QStringLiteral("票价"), 255000);
    ticket.insert(QStringLiteral("已结账"), false);
    QCborMap changes;
    changes.insert(QStringLiteral("inserted"), QCborArray{ticket});
    const wire::Reply applied =
        client.call(QStringLiteral("ApplyUpdates"), {QStringLiteral("SaledTickspv"), changes});
    ASSERT_TRUE(applied.ok) << applied.error.toStdString();

    const auto row = client.query(QStringLiteral("select 票价, 已结账 from 已售车票"));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->fields.at(0).type, wire::FieldType::Money);
    EXPECT_EQ(row->rows.at(0).at(0).toLongLong(), 255000);
    EXPECT_EQ(row->fields.at(1).type, wire::FieldType::Bool);
    EXPECT_EQ(row->rows.at(0).at(1).toBool(), false);
    const auto total = client.query(QStringLiteral("select sum(票价) from 已售车票"));
    ASSERT_TRUE(total);
    EXPECT_EQ(total->fields.at(0).type, wire::FieldType::Money);
    EXPECT_EQ(total->rows.at(0).at(0).toLongLong(), 255000);
}

TEST_F(SessionTest, BadFramesAndUnknownMethodsGetErrorsAndTheConnectionKeepsWorking) {
    const wire::Reply unknown = client.call(QStringLiteral("NoSuchMethod"));
    EXPECT_EQ(unknown.code, wire::ErrorCode::UnknownMethod);

    QByteArray garbage(4, Qt::Uninitialized);
    qToBigEndian<quint32>(3, garbage.data());
    garbage += QByteArray("\xff\xff\xff", 3);
    client.sendRaw(garbage);
    EXPECT_EQ(client.readReply().code, wire::ErrorCode::Malformed);

    QCborMap notARequest;
    notARequest.insert(QStringLiteral("id"), 77);
    notARequest.insert(QStringLiteral("m"), 5);
    client.sendRaw(wire::encodeFrame(notARequest));
    const wire::Reply malformed = client.readReply();
    EXPECT_EQ(malformed.code, wire::ErrorCode::Malformed);
    EXPECT_EQ(malformed.id, 77);

    const wire::Reply badArguments = client.call(QStringLiteral("Login"), {42});
    EXPECT_EQ(badArguments.code, wire::ErrorCode::BadArguments);

    EXPECT_EQ(client.call(QStringLiteral("GetVer")).result.toString(), QStringLiteral("SQL"));

    // Refused at once by its length; the bytes it announces would be skipped as they arrive.
    QByteArray huge(4, Qt::Uninitialized);
    qToBigEndian<quint32>(wire::kMaxFrameBytes + 1, huge.data());
    client.sendRaw(huge);
    EXPECT_EQ(client.readReply().code, wire::ErrorCode::FrameTooLarge);
}

}  // namespace

namespace {

class FullServerTest : public ::testing::Test {
  protected:
    ServerFixture server{
        ServerFixture::Options{false, {QStringLiteral("--max-connections"), QStringLiteral("2")}}};
};

TEST_F(FullServerTest, ConnectionBeyondTheBoundIsToldAndTheOthersKeepWorking) {
    ASSERT_TRUE(server.started()) << server.failure().toStdString();
    WireClient first;
    WireClient second;
    WireClient third;
    ASSERT_TRUE(first.connectTo(server.host(), server.port()));
    ASSERT_TRUE(second.connectTo(server.host(), server.port()));
    ASSERT_TRUE(first.call(QStringLiteral("GetVer")).ok);
    ASSERT_TRUE(second.call(QStringLiteral("GetVer")).ok);

    ASSERT_TRUE(third.connectTo(server.host(), server.port()));
    const wire::Reply refused = third.readReply();
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("no room"))) << refused.error.toStdString();
    EXPECT_EQ(first.call(QStringLiteral("GetVer")).result.toString(), QStringLiteral("SQL"));

    // A place freed by a departing desk is given to the next one.
    first.disconnect();
    bool admitted = false;
    for (int attempt = 0; attempt < 200 && !admitted; ++attempt) {
        WireClient next;
        admitted = next.connectTo(server.host(), server.port()) && next.call(QStringLiteral("GetVer")).ok;
    }
    EXPECT_TRUE(admitted);
}

}  // namespace
