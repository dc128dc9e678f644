#include "shell/password_change.h"

#include <gtest/gtest.h>

#include "server/server_error.h"
#include "server/tcp_app_server.h"
#include "shell/session.h"
#include "tests/support/qt_print.h"
#include "tests/support/server_fixture.h"

namespace {

class PasswordChangeTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.started()) << server.failure().toStdString();
        connection.connectTo(server.host(), server.port());
        connection.Login(ServerFixture::kAdminCode, ServerFixture::kAdminPassword);
        session.OperatorCode = ServerFixture::kAdminCode;
        session.OperatorPassword = ServerFixture::kAdminPassword;
        session.Connection = &connection;
    }

    ServerFixture server;
    TcpAppServer connection;
    Session session;
};

TEST_F(PasswordChangeTest, ChangesOnlyWithTheRightOldPasswordAndMatchingNewOnes) {
    PasswordChange change(session);
    EXPECT_EQ(change.change(QStringLiteral("guess"), QStringLiteral("new-pass"), QStringLiteral("new-pass")),
              PasswordChange::Outcome::WrongOldPassword);
    EXPECT_EQ(change.change(ServerFixture::kAdminPassword, QStringLiteral("new-pass"), QStringLiteral("new-pasS")),
              PasswordChange::Outcome::NewPasswordsDiffer);
    EXPECT_TRUE(connection.CheckPassword(ServerFixture::kAdminCode, ServerFixture::kAdminPassword));

    EXPECT_EQ(change.change(ServerFixture::kAdminPassword, QStringLiteral("n'ew"), QStringLiteral("n'ew")),
              PasswordChange::Outcome::Changed);
    EXPECT_EQ(change.message(PasswordChange::Outcome::Changed), u"操作密码更改成功!");
    EXPECT_EQ(session.OperatorPassword, u"n'ew");
    // The server has it: the old password no longer logs in, the new one does (case-sensitive).
    TcpAppServer again;
    again.connectTo(server.host(), server.port());
    EXPECT_THROW(again.Login(ServerFixture::kAdminCode, ServerFixture::kAdminPassword), ServerError);
    EXPECT_THROW(again.Login(ServerFixture::kAdminCode, QStringLiteral("N'EW")), ServerError);
    EXPECT_EQ(again.Login(ServerFixture::kAdminCode, QStringLiteral("n'ew")).code, ServerFixture::kAdminCode);
}

TEST_F(PasswordChangeTest, ALostServerIsReportedNotSuccess) {
    PasswordChange change(session);
    server.stop();
    EXPECT_EQ(change.change(ServerFixture::kAdminPassword, QStringLiteral("x"), QStringLiteral("x")),
              PasswordChange::Outcome::ServerRefused);
    EXPECT_EQ(session.OperatorPassword, ServerFixture::kAdminPassword);
    EXPECT_TRUE(change.message(PasswordChange::Outcome::ServerRefused).startsWith(u"操作密码更改失败："));
}

}  // namespace
