#include "shell/server_messages.h"

#include <gtest/gtest.h>

#include "shell/notice.h"
#include "shell/session.h"
#include "tests/support/qt_print.h"

namespace {

// Records what the dispatch asked the workstation to do.
class RecordedActions : public WorkstationActions {
public:
    QStringList done;
    QStringList online;
    QList<std::pair<int, QString>> notices;
    QStringList lines;
    QStringList openTables;
    int statusRefreshes = 0;

    void showSummaryNotice() override { done << QStringLiteral("summary"); }
    void closeSummaryNotice() override { done << QStringLiteral("summary-closed"); }
    void registerWithServer() override { done << QStringLiteral("register"); }
    void refreshStatusBar() override { ++statusRefreshes; }
    void showStatusText(int panel, const QString& text) override { done << QString::number(panel) + u':' + text; }
    void notify(int kind, const QString& text) override { notices.append({kind, text}); }
    void setClock(const QDateTime& moment) override { done << QStringLiteral("clock ") + moment.toString(Qt::ISODate); }
    void refreshDataset(const QString& name) override { done << QStringLiteral("refresh ") + name; }
    bool reloadMasterTable(const QString& tag) override {
        if (!openTables.contains(tag)) return false;
        done << QStringLiteral("reload ") + tag;
        return true;
    }
    QStringList onlineList() const override { return online; }
    void setOnlineList(const QStringList& entries) override { online = entries; }
    void appendMessageLine(const QString& line) override { lines << line; }
    void runConsoleRelay() override { done << QStringLiteral("relay"); }
    void closeMainWindow() override { done << QStringLiteral("close"); }
    void endProgram() override { done << QStringLiteral("end"); }
    void disarmExitQuestion() override { done << QStringLiteral("disarm"); }
    void shutDownComputer() override { done << QStringLiteral("shutdown"); }
    void abortMessage(const QString& text) override { done << QStringLiteral("abort ") + text; }
};

class ServerMessagesTest : public testing::Test {
protected:
    Session session;
    RecordedActions actions;
    ServerMessages messages{session, actions};
};

TEST_F(ServerMessagesTest, WholeTextRepliesAreHandledFirst) {
    messages.RouteServerReply(QString());
    EXPECT_TRUE(actions.done.isEmpty());
    messages.RouteServerReply(QStringLiteral("Star_Hzing"));
    messages.RouteServerReply(QStringLiteral("HzIsFinish"));
    messages.RouteServerReply(QStringLiteral("NeedReLogin"));
    EXPECT_EQ(actions.done, (QStringList{QStringLiteral("summary"), QStringLiteral("summary-closed"),
                                         QStringLiteral("register")}));
    ASSERT_EQ(actions.notices.size(), 1);
    EXPECT_EQ(actions.notices[0].first, kNoticeWarning);
    messages.RouteServerReply(QStringLiteral("ExeMode1"));
    EXPECT_TRUE(session.SingleStepMode);
    messages.RouteServerReply(QStringLiteral("ExeMode0"));
    EXPECT_FALSE(session.SingleStepMode);
    EXPECT_EQ(actions.statusRefreshes, 2);
}

TEST_F(ServerMessagesTest, CommandWordsAndChatLines) {
    messages.RouteServerReply(QStringLiteral("op_LockOK"));
    EXPECT_TRUE(session.LockGranted);
    messages.RouteServerReply(QStringLiteral("op_allrefoperater"));
    messages.RouteServerReply(QStringLiteral("op_sd2hos【王芳】说：你好"));
    messages.RouteServerReply(QStringLiteral("【李红】说：明天我上早班。"));
    messages.RouteServerReply(QStringLiteral("op_Settim2026-12-11T08:00:00.000"));
    EXPECT_EQ(actions.done, (QStringList{QStringLiteral("refresh operater"), QStringLiteral("clock 2026-12-11T08:00:00")}));
    EXPECT_EQ(actions.lines, (QStringList{QStringLiteral("【王芳】说：你好"), QStringLiteral("【李红】说：明天我上早班。")}));
}

TEST_F(ServerMessagesTest, AddressedOrdersAskAndBareOrdersEndAtOnce) {
    messages.RouteServerReply(QStringLiteral("op_sd2hos请你退出!"));
    messages.RouteServerReply(QStringLiteral("op_sd2hos请你关机!"));
    EXPECT_EQ(actions.done, (QStringList{QStringLiteral("close"), QStringLiteral("shutdown")}));
    actions.done.clear();
    messages.RouteServerReply(QStringLiteral("请你关机!"));
    EXPECT_EQ(actions.done, (QStringList{QStringLiteral("disarm"), QStringLiteral("shutdown")}));
    actions.done.clear();
    messages.RouteServerReply(QStringLiteral("请你退出!"));
    EXPECT_EQ(actions.done, QStringList{QStringLiteral("end")});
}

TEST_F(ServerMessagesTest, TheSenderSurvivesItsOwnQuitBroadcastOnly) {
    session.expectEcho(QStringLiteral("请你退出!"));
    messages.RouteServerReply(QStringLiteral("请你退出!"));
    EXPECT_TRUE(actions.done.isEmpty());
    EXPECT_FALSE(session.IgnoreNextBroadcast);
    messages.RouteServerReply(QStringLiteral("请你退出!"));
    EXPECT_EQ(actions.done, QStringList{QStringLiteral("end")});
}

TEST_F(ServerMessagesTest, OnlyTheDesksOwnRefreshIsSkipped) {
    actions.openTables = {QStringLiteral("_Busdb"), QStringLiteral("_roads")};
    session.expectEcho(QStringLiteral("Refleshdb_Busdb"));
    // Another desk's refresh arrives first: acted on, and our echo is still expected.
    messages.RouteServerReply(QStringLiteral("Refleshdb_roads"));
    messages.RouteServerReply(QStringLiteral("Refleshdb_Busdb"));
    messages.RouteServerReply(QStringLiteral("Refleshdb_Busdb"));
    EXPECT_EQ(actions.done, (QStringList{QStringLiteral("reload _roads"), QStringLiteral("reload _Busdb")}));
    ASSERT_EQ(actions.notices.size(), 2);
    EXPECT_EQ(actions.notices[0].second, u"刷新数据完成_行车线路(沿途可售站点)信息库");
    EXPECT_EQ(actions.notices[1].second, u"刷新数据完成_客车信息库");
}

TEST_F(ServerMessagesTest, ARefreshOfAClosedTableChangesNothingAndShowsNothing) {
    messages.RouteServerReply(QStringLiteral("Refleshdb_Busdb"));
    messages.RouteServerReply(QStringLiteral("Refleshdb_unknown"));
    EXPECT_TRUE(actions.done.isEmpty());
    EXPECT_TRUE(actions.notices.isEmpty());
    EXPECT_TRUE(actions.lines.isEmpty());
}

TEST_F(ServerMessagesTest, TheOnlineListWelcomesNewcomers) {
    messages.RouteServerReply(QStringLiteral("op_addcom所有人\r\n〖1001〗李红\r\n"));
    EXPECT_EQ(actions.online, (QStringList{QStringLiteral("所有人"), QStringLiteral("〖1001〗李红")}));
    ASSERT_EQ(actions.notices.size(), 1);
    EXPECT_TRUE(actions.notices[0].second.startsWith(u"欢迎\r\r "));
    EXPECT_TRUE(actions.notices[0].second.endsWith(u"\r〖1001〗李红  登陆了!"));
    session.ConsoleOffCount = 5;
    messages.RouteServerReply(QStringLiteral("op_addcom所有人"));
    EXPECT_EQ(session.ConsoleOffCount, 0);
    EXPECT_EQ(actions.notices.size(), 1);  // a shorter list welcomes nobody
    EXPECT_EQ(actions.statusRefreshes, 2);
}

TEST_F(ServerMessagesTest, RelayDownWarnsEveryEighthTimeAndEndsAfterSixty) {
    session.OperatorName = QStringLiteral("李红");
    actions.online = {QStringLiteral("所有人"), QStringLiteral("〖1001〗李红"), QStringLiteral("〖1002〗王芳")};
    for (int i = 1; i <= 60; ++i) messages.RouteServerReply(QStringLiteral("ConSrvNowOff"));
    EXPECT_FALSE(actions.done.contains(QStringLiteral("end")));
    EXPECT_EQ(actions.notices.size(), 8);  // the 1st, 9th, ... 57th
    EXPECT_TRUE(actions.notices[0].second.startsWith(u"第1次警告！"));
    EXPECT_TRUE(actions.notices[1].second.startsWith(u"第2次警告！"));
    EXPECT_EQ(actions.done.count(QStringLiteral("relay")), 8);  // this desk is the responsible one
    EXPECT_TRUE(actions.done.contains(QStringLiteral("2:失去控制台")));
    messages.RouteServerReply(QStringLiteral("ConSrvNowOff"));
    EXPECT_TRUE(actions.done.contains(QStringLiteral("end")));
}

TEST_F(ServerMessagesTest, TheLedAnnouncerHandsTheRelayToTheLastEntry) {
    session.OperatorName = QStringLiteral("王芳");
    actions.online = {QStringLiteral("所有人"), QStringLiteral("〖LED播音员〗"), QStringLiteral("〖1002〗王芳")};
    messages.RouteServerReply(QStringLiteral("ConSrvNowOff"));
    EXPECT_TRUE(actions.done.contains(QStringLiteral("relay")));
}

TEST_F(ServerMessagesTest, ABackupServerEndsTheProgramWhateverTheFlag) {
    session.ServerHost = QStringLiteral("10.0.0.2");
    session.expectEcho(QStringLiteral("Refleshdb_Busdb"));
    messages.RouteServerReply(QStringLiteral("IsServerd"));
    ASSERT_EQ(actions.done.size(), 2);
    EXPECT_EQ(actions.done[0],
              u"abort 当前不是使用\"10.0.0.2\"服务器！\n此服务器仅作数据备件份。\n\n请重新运行本软件，并确认当前在用的服务器。");
    EXPECT_EQ(actions.done[1], u"end");
}

}  // namespace
