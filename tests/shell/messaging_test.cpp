#include "shell/messaging.h"

#include <gtest/gtest.h>

#include "shell/session.h"
#include "tests/support/qt_print.h"

namespace {

Session seller() {
    Session s;
    s.OperatorName = QStringLiteral("李红");
    s.OperatorRole = QStringLiteral("售票员");
    return s;
}

Session administrator() {
    Session s;
    s.OperatorName = QStringLiteral("管理员");
    s.OperatorRole = Session::kAdministratorRole;
    return s;
}

TEST(OutgoingMessage, OrdinaryLinesToEverybodyAndToOneDesk) {
    Session s = seller();
    EXPECT_EQ(OutgoingMessage(s, QStringLiteral("好的"), 0, 3), u"op_sd2all【李红】说：好的");
    EXPECT_EQ(OutgoingMessage(s, QStringLiteral("好的"), 2, 3), u"op_sd2oth2     【李红】说：好的");
    EXPECT_FALSE(s.IgnoreNextBroadcast);
}

TEST(OutgoingMessage, OnlyTheAdministratorSendsOrders) {
    Session s = seller();
    EXPECT_EQ(OutgoingMessage(s, QStringLiteral("请你退出!"), 0, 3), u"op_sd2all【李红】说：注意:请你退出!");
    EXPECT_FALSE(s.IgnoreNextBroadcast);

    Session admin = administrator();
    EXPECT_EQ(OutgoingMessage(admin, QStringLiteral("请你关机!"), 3, 4), u"op_sd2oth3     请你关机!");
    EXPECT_FALSE(admin.IgnoreNextBroadcast);  // an order to one desk never comes back here
    EXPECT_EQ(OutgoingMessage(admin, QStringLiteral("请你退出!"), 0, 4), u"op_sd2all请你退出!");
    EXPECT_TRUE(admin.isOwnEcho(QStringLiteral("请你退出!")));
}

TEST(OutgoingMessage, NothingGoesOutWhenEmptyOrAlone) {
    Session s = seller();
    EXPECT_FALSE(OutgoingMessage(s, QString(), 0, 3));
    EXPECT_FALSE(OutgoingMessage(s, QStringLiteral("有人吗"), 0, 1));
    EXPECT_FALSE(OutgoingMessage(s, QStringLiteral("有人吗"), 0, 0));
}

TEST(ReceivedLines, KeepAHundredThenTheNinetyNineNewest) {
    QStringList lines;
    for (int i = 1; i <= 100; ++i) lines << QString::number(i);
    EXPECT_EQ(TrimReceivedLines(lines).size(), 100);
    lines << QStringLiteral("101");
    const QStringList kept = TrimReceivedLines(lines);
    ASSERT_EQ(kept.size(), 99);
    EXPECT_EQ(kept.first(), u"3");
    EXPECT_EQ(kept.last(), u"101");
}

}  // namespace
