#include <QCborMap>

#include "appserver/schema/catalogue.h"

#include "tests/appserver/station_test.h"

namespace {

const QStringList kFixedProviders{
    QStringLiteral("operpv"),       QStringLiteral("deppv"),       QStringLiteral("oprigthpv"),
    QStringLiteral("buspv"),        QStringLiteral("roadspv"),     QStringLiteral("stationpv"),
    QStringLiteral("stabuspv"),     QStringLiteral("tickpricepv"), QStringLiteral("SaledTickspv"),
    QStringLiteral("SystemdataPV"), QStringLiteral("CostUserPV")};

// True when any cell of the reply's rows holds the text, or looks like a stored hash.
bool revealsSecret(const wire::Reply& reply, const QString& secret) {
    const auto rows = wire::DataSet::fromCbor(reply.result.toMap());
    if (!rows)
        return false;
    for (const auto& row : rows->rows) {
        for (const QVariant& cell : row) {
            const QString text = cell.toString();
            if ((!secret.isEmpty() && text.contains(secret)) || text.contains(QStringLiteral("$argon2")))
                return true;
        }
    }
    return false;
}

class PasswordsTest : public StationTest {
  protected:
    PasswordsTest() : StationTest(ServerFixture::Options{true, {}}) {}
};

TEST_F(PasswordsTest, NoProviderOrStatementReturnsAPasswordOrItsHash) {
    auto admin = desk();
    ASSERT_TRUE(admin);
    // The password change as desks send it: the text is hashed and the column stays empty.
    const QString secret = QStringLiteral("s3cret-新密码");
    ASSERT_EQ(admin->execute(
                  QStringLiteral("update 操作员 set 操作员密码='%1' where 操作员代号='1001'").arg(secret)),
              1);
    ASSERT_EQ(
        admin->execute(QStringLiteral("insert into 操作员 (操作员代号,操作员姓名,操作员职务,操作员密码) "
                                      "values('1009','赵新','售票员','%1')")
                           .arg(secret)),
        1);

    for (const QString& provider : kFixedProviders) {
        const wire::Reply reply = admin->call(QStringLiteral("Open"), {provider, QString()});
        ASSERT_TRUE(reply.ok) << provider.toStdString() << ": " << reply.error.toStdString();
        EXPECT_FALSE(revealsSecret(reply, secret)) << provider.toStdString();
    }
    for (const QString& statement :
         {QStringLiteral("select * from 操作员"), QStringLiteral("select 操作员密码 from 操作员"),
          QStringLiteral("select 操作员密码 as p from 操作员 where 操作员代号='1009'")}) {
        const wire::Reply reply = admin->call(QStringLiteral("Open"), {QStringLiteral("QueryPV"), statement});
        ASSERT_TRUE(reply.ok) << reply.error.toStdString();
        EXPECT_FALSE(revealsSecret(reply, secret)) << statement.toStdString();
    }

    for (const QString& statement : {QStringLiteral("select * from ticketd_operator_secrets"),
                                     QStringLiteral("select hash from TICKETD_OPERATOR_SECRETS"),
                                     QStringLiteral("drop trigger ticketd_password_on_update")}) {
        const wire::Reply reply = admin->call(QStringLiteral("Open"), {QStringLiteral("QueryPV"), statement});
        EXPECT_FALSE(reply.ok) << statement.toStdString();
        EXPECT_EQ(reply.code, wire::ErrorCode::StatementFailed);
    }
    EXPECT_FALSE(admin->call(QStringLiteral("Gettb")).result.toString().contains(QStringLiteral("ticketd_")));
    EXPECT_EQ(
        admin->call(QStringLiteral("Getfn"), {QStringLiteral("ticketd_operator_secrets")}).result.toString(),
        QString());

    WireClient changed;
    ASSERT_TRUE(changed.connectTo(server.host(), server.port()));
    EXPECT_TRUE(changed.login(QStringLiteral("1001"), secret));
    EXPECT_TRUE(changed.login(QStringLiteral("1009"), secret));
}

TEST_F(PasswordsTest, OperatorsSetTheirOwnPasswordAndOnlyTheAdministratorSetsOthers) {
    const schema::DemoOperator seller = [] {
        for (const auto& demo : schema::DemoOperators()) {
            if (demo.role != QStringLiteral("系统管理员"))
                return demo;
        }
        return schema::DemoOperator{};
    }();
    ASSERT_FALSE(seller.code.isEmpty());
    WireClient desk;
    ASSERT_TRUE(desk.connectTo(server.host(), server.port()));
    ASSERT_TRUE(desk.login(seller.code, seller.password));

    EXPECT_TRUE(desk.call(QStringLiteral("CheckPassword"), {seller.code, seller.password}).result.toBool());
    EXPECT_FALSE(
        desk.call(QStringLiteral("CheckPassword"), {seller.code, QStringLiteral("wrong")}).result.toBool());
    EXPECT_FALSE(
        desk.call(QStringLiteral("SetPassword"), {ServerFixture::kAdminCode, QStringLiteral("x")}).ok);
    EXPECT_TRUE(desk.call(QStringLiteral("SetPassword"), {seller.code, QStringLiteral("新的")}).ok);
    EXPECT_TRUE(
        desk.call(QStringLiteral("CheckPassword"), {seller.code, QStringLiteral("新的")}).result.toBool());

    auto admin = this->desk();
    ASSERT_TRUE(admin);
    EXPECT_TRUE(admin->call(QStringLiteral("SetPassword"), {seller.code, QStringLiteral("由管理员设")}).ok);
    EXPECT_FALSE(
        admin->call(QStringLiteral("SetPassword"), {QStringLiteral("nobody"), QStringLiteral("x")}).ok);
    WireClient again;
    ASSERT_TRUE(again.connectTo(server.host(), server.port()));
    EXPECT_FALSE(again.login(seller.code, QStringLiteral("新的")));
    EXPECT_TRUE(again.login(seller.code, QStringLiteral("由管理员设")));
}

}  // namespace
