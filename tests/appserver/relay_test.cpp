#include <QStringList>

#include "tests/appserver/station_test.h"

namespace {

const QString kPoll = QStringLiteral("If_on_line");

// Polls until nothing is waiting, so the next reply is what a test sends.
void drain(WireClient& desk) {
    for (int polls = 0; polls < 100; ++polls) {
        if (desk.relay(kPoll).isEmpty())
            return;
    }
    ADD_FAILURE() << "the queue never emptied";
}

QString onlineList(std::initializer_list<const char*> entries) {
    QStringList lines{QStringLiteral("所有在线人员")};
    for (const char* entry : entries)
        lines.append(QString::fromUtf8(entry));
    return QStringLiteral("op_addcom") + lines.join(QStringLiteral("\r\n"));
}

QString position(int index) {
    return QString::number(index).leftJustified(6, u' ');
}

class RelayTest : public StationTest {};

TEST_F(RelayTest, OnlineListGrowsAtTheEndOncePerConnectionAndShrinksOnDisconnect) {
    auto first = desk();
    auto second = desk();
    auto third = desk();
    ASSERT_TRUE(first && second && third);

    EXPECT_EQ(first->relay(QStringLiteral("op_add2co〖1001〗李红")), onlineList({"〖1001〗李红"}));
    EXPECT_EQ(second->relay(QStringLiteral("op_add2co〖1002〗王芳")),
              onlineList({"〖1001〗李红", "〖1002〗王芳"}));
    // Announcing again changes nothing but the list is handed out once more.
    EXPECT_EQ(first->relay(QStringLiteral("op_add2co〖1001〗李红")),
              onlineList({"〖1001〗李红", "〖1002〗王芳"}));
    EXPECT_EQ(third->relay(QStringLiteral("op_add2co〖2001〗张伟")),
              onlineList({"〖1001〗李红", "〖1002〗王芳", "〖2001〗张伟"}));
    // Only the newest list waits in a queue: one poll hands it out, the next finds nothing.
    EXPECT_EQ(first->relay(kPoll), onlineList({"〖1001〗李红", "〖1002〗王芳", "〖2001〗张伟"}));
    EXPECT_EQ(first->relay(kPoll), QString());

    EXPECT_EQ(second->relay(QStringLiteral("op_reuser〖1002〗王芳芳")),
              onlineList({"〖1001〗李红", "〖1002〗王芳芳", "〖2001〗张伟"}));
    second->disconnect();
    // The list arrives once the departure is noticed; wait for it within a bound.
    QString list;
    for (int polls = 0; polls < 200 && list != onlineList({"〖1001〗李红", "〖2001〗张伟"}); ++polls) {
        list = third->relay(kPoll);
    }
    EXPECT_EQ(list, onlineList({"〖1001〗李红", "〖2001〗张伟"}));
}

TEST_F(RelayTest, BroadcastReachesEverybodyIncludingTheSenderOneMessagePerPollInOrder) {
    auto sender = desk();
    auto other = desk();
    ASSERT_TRUE(sender && other);
    sender->relay(QStringLiteral("op_add2co〖1001〗李红"));
    other->relay(QStringLiteral("op_add2co〖1002〗王芳"));
    drain(*sender);
    drain(*other);

    EXPECT_EQ(sender->relay(QStringLiteral("op_sd2allRefleshdb_Busdb")), QStringLiteral("Refleshdb_Busdb"));
    EXPECT_EQ(sender->relay(QStringLiteral("op_sd2all【李红】说：你好")), QStringLiteral("【李红】说：你好"));
    EXPECT_EQ(other->relay(kPoll), QStringLiteral("Refleshdb_Busdb"));
    EXPECT_EQ(other->relay(QString()), QStringLiteral("【李红】说：你好"));
    EXPECT_EQ(other->relay(kPoll), QString());
}

TEST_F(RelayTest, AddressedMessageGoesToThePositionInTheListTheSenderLastSaw) {
    auto sender = desk();
    auto leaving = desk();
    auto target = desk();
    ASSERT_TRUE(sender && leaving && target);
    sender->relay(QStringLiteral("op_add2co〖0000〗管理员"));
    leaving->relay(QStringLiteral("op_add2co〖1002〗王芳"));
    target->relay(QStringLiteral("op_add2co〖2001〗张伟"));
    drain(*sender);  // the sender has seen: everybody, 管理员, 王芳, 张伟
    drain(*leaving);
    drain(*target);

    EXPECT_EQ(
        sender->relay(QStringLiteral("op_sd2oth") + position(3) + QStringLiteral("【管理员】说：过来一下")),
        QString());
    EXPECT_EQ(target->relay(kPoll), QStringLiteral("op_sd2hos【管理员】说：过来一下"));
    EXPECT_EQ(leaving->relay(kPoll), QString());
    // Position 0, the first entry, stands for everybody.
    EXPECT_EQ(sender->relay(QStringLiteral("op_sd2oth") + position(0) + QStringLiteral("大家好")),
              QStringLiteral("大家好"));
    EXPECT_EQ(leaving->relay(kPoll), QStringLiteral("大家好"));
    EXPECT_EQ(target->relay(kPoll), QStringLiteral("大家好"));

    // 王芳 leaves; until the sender polls the new list, position 3 still means 张伟.
    leaving->disconnect();
    QString targetList;
    for (int polls = 0; polls < 200 && targetList != onlineList({"〖0000〗管理员", "〖2001〗张伟"});
         ++polls) {
        targetList = target->relay(kPoll);
    }
    ASSERT_EQ(targetList, onlineList({"〖0000〗管理员", "〖2001〗张伟"}));
    EXPECT_EQ(sender->relay(QStringLiteral("op_sd2oth") + position(3) + QStringLiteral("请你关机!")),
              onlineList({"〖0000〗管理员", "〖2001〗张伟"}));
    EXPECT_EQ(target->relay(kPoll), QStringLiteral("op_sd2hos请你关机!"));
    // Now the sender knows the shorter list: position 3 is nobody.
    EXPECT_EQ(sender->relay(QStringLiteral("op_sd2oth") + position(3) + QStringLiteral("请你退出!")),
              QString());
    EXPECT_EQ(target->relay(kPoll), QString());
}

TEST_F(RelayTest, HandshakeTextsAreAnswered) {
    auto client = desk();
    ASSERT_TRUE(client);
    EXPECT_EQ(client->relay(QStringLiteral("-Online_test-")), QStringLiteral("true"));
    EXPECT_EQ(client->relay(QStringLiteral("CheckIsServerd")), QString());
    EXPECT_EQ(client->relay(QStringLiteral("-Data_Ready-")), QStringLiteral("true"));
    EXPECT_EQ(client->relay(QStringLiteral("CheckIsHzing")), QString());
    EXPECT_EQ(client->relay(QStringLiteral("ReHz_Data")), QString());
    EXPECT_TRUE(client->call(QStringLiteral("RunConsvr")).ok);
    EXPECT_TRUE(client->call(QStringLiteral("RunConsvr")).ok);
    EXPECT_EQ(client->relay(QStringLiteral("-Online_test-")), QStringLiteral("true"));
    EXPECT_TRUE(
        client->call(QStringLiteral("SendOrder"), {QStringLiteral("-Unlock-10:00.00 李红 售05-07日8003")})
            .ok);
}

class BackupRelayTest : public StationTest {
  protected:
    BackupRelayTest() : StationTest(ServerFixture::Options{false, {QStringLiteral("--backup")}}) {}
};

TEST_F(BackupRelayTest, BackupServerSaysSoEvenBeforeLogin) {
    WireClient client;
    ASSERT_TRUE(client.connectTo(server.host(), server.port()));
    EXPECT_EQ(client.relay(QStringLiteral("CheckIsServerd")), QStringLiteral("IsServerd"));
}

}  // namespace
