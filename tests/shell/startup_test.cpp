#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "server/app_server.h"
#include "server/client_dataset.h"
#include "server/schema_names.h"
#include "shell/TForm1.h"
#include "shell/menu_map.h"
#include "shell/Tconnetform.h"
#include "shell/Tent_passfm.h"
#include "shell/platform/machine.h"
#include "shell/prompter.h"
#include "shell/server_link.h"
#include "shell/settings.h"
#include "shell/wait.h"
#include "tests/support/qt_print.h"
#include "tests/support/server_fixture.h"

namespace {

class FakeMachine : public Machine {
public:
    QList<QDateTime> clockSets;
    bool setClock(const QDateTime& moment) override {
        clockSets << moment;
        return false;  // like a workstation without the right to set the clock
    }
    QString hostName() const override { return QStringLiteral("desk-under-test"); }
    bool shutDown() override { return true; }
};

class RecordingPrompter : public Prompter {
public:
    QStringList errors;
    QStringList questions;
    void error(const QString& text) override { errors << text; }
    void information(const QString&) override {}
    bool question(const QString& text) override {
        questions << text;
        return true;
    }
};

bool waitFor(const std::function<bool()>& done, int limitMs = 10000) {
    for (int waited = 0; waited < limitMs && !done(); waited += 20) WaitMillis(20);
    return done();
}

// One workstation: its own settings file and folder, pointed at the given servers.
class Workstation {
public:
    explicit Workstation(const QList<quint16>& ports) : settings(folder.filePath(QStringLiteral("Tickets.conf"))) {
        settings.WriteSetting(u"ServerName", QStringLiteral("127.0.0.1"));
        for (int i = 0; i < ports.size(); ++i) {
            settings.setLocalValue(QStringLiteral("Servers/Port%1").arg(i + 1), QString::number(ports[i]));
        }
        window = std::make_unique<TForm1>(settings, machine, prompter, folder.path());
        window->serverLink().setHandshakePause(0);
        window->setProgramEnder([this](int code) { endedWith = code; });
        window->setNotifier([this](int kind, const QString& text) { notices.append({kind, text}); });
    }

    // Shows the window and answers its login window with these passwords, one per attempt.
    void startAndLogIn(const QString& code, const QStringList& passwords) {
        QTimer answer;
        int attempt = 0;
        answer.setInterval(20);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* login = qobject_cast<Tent_passfm*>(QApplication::activeModalWidget());
            if (login == nullptr || !login->isVisible() || attempt >= passwords.size()) return;
            if (login->ComboBox1->count() == 0) login->ConnectClick();
            login->ComboBox1->setEditText(code);
            login->Edit3->setText(passwords[attempt++]);
            login->Button1Click();
        });
        answer.start();
        window->show();
        waitFor([&] { return window->isEnabled() || endedWith >= 0; });
    }

    AppServer& server() { return *window->session().Connection; }

    QTemporaryDir folder;
    Settings settings;
    FakeMachine machine;
    RecordingPrompter prompter;
    std::unique_ptr<TForm1> window;
    QList<std::pair<int, QString>> notices;
    int endedWith = -1;
};

TEST(Startup, FirstLoginFillsAnEmptyParameterTableAndTheStatusBar) {
    ServerFixture server;
    ASSERT_TRUE(server.started()) << server.failure().toStdString();
    Workstation desk({server.port()});
    desk.startAndLogIn(ServerFixture::kAdminCode, {ServerFixture::kAdminPassword});
    ASSERT_TRUE(desk.window->isEnabled()) << desk.prompter.errors.join(u'\n').toStdString();
    EXPECT_EQ(desk.window->loginState(), TForm1::kLoggedInTag);
    EXPECT_EQ(desk.window->session().OperatorCode, ServerFixture::kAdminCode);
    EXPECT_EQ(desk.settings.ReadSetting(u"LastOpno"), ServerFixture::kAdminCode);
    EXPECT_EQ(desk.settings.ReadSetting(u"ServerID"), u"0");

    ClientDataSet row(provider::Query);
    row.setCommandText(QStringLiteral("select 可预售天数,半票率,小数位,保管费,手工检票密码,T10Y from 系统参数表"));
    row.open(desk.server());
    ASSERT_EQ(row.recordCount(), 1);
    EXPECT_EQ(row.integer(QStringLiteral("可预售天数")), 14);
    EXPECT_EQ(row.integer(QStringLiteral("半票率")), 50);
    EXPECT_EQ(row.integer(QStringLiteral("保管费")), 5);
    EXPECT_EQ(row.text(QStringLiteral("手工检票密码")), u"59317286");
    EXPECT_EQ(desk.window->systemParameters().daysAheadOnSale, 14);

    EXPECT_EQ(desk.window->statusPanel(1)->text(), u"启用:1号服务器");
    EXPECT_EQ(desk.window->statusPanel(5)->text(), u"采用:SQL数据库");
    EXPECT_TRUE(desk.window->statusPanel(3)->text().startsWith(u"操作:〖9999〗"));
    // The workstation may not set its clock: it goes on after one notice.
    EXPECT_EQ(desk.machine.clockSets.size(), 1);
}

TEST(Startup, TheThirdWrongPasswordEndsTheProgram) {
    ServerFixture server;
    ASSERT_TRUE(server.started()) << server.failure().toStdString();
    Workstation desk({server.port()});
    desk.startAndLogIn(ServerFixture::kAdminCode,
                       {QStringLiteral("wrong1"), QStringLiteral("wrong2"), QStringLiteral("Test-Admin-Password")});
    EXPECT_EQ(desk.endedWith, 1);
    EXPECT_FALSE(desk.window->isEnabled());
    EXPECT_EQ(desk.prompter.errors,
              (QStringList{QStringLiteral("密码输入不正确!!!"), QStringLiteral("密码输入不正确!!!"),
                           QStringLiteral("密码输入不正确!!!"), QStringLiteral("密码不正确!您不能运行本程序.")}));
}

TEST(Startup, FailsOverToTheNextRegistrationWhenTheServerStops) {
    ServerFixture first;
    ServerFixture second;
    ASSERT_TRUE(first.started() && second.started());
    Workstation desk({first.port(), second.port()});
    desk.startAndLogIn(ServerFixture::kAdminCode, {ServerFixture::kAdminPassword});
    ASSERT_TRUE(desk.window->isEnabled());
    first.stop();
    // The poll fails twice: the first time it only drops the connection, then it fails over.
    desk.window->serverLink().pollFailed();
    EXPECT_EQ(desk.window->session().ServerIndex, 0);
    desk.window->serverLink().pollFailed();
    EXPECT_EQ(desk.window->session().ServerIndex, 1);
    EXPECT_EQ(desk.settings.ReadSetting(u"ServerID"), u"1");
    EXPECT_EQ(desk.window->session().FailoverNotice, u"原“1号服务器”意外中断！\r系统将自动启用“2号服务器”继续工作。");
    // The new connection is logged in: statements run.
    EXPECT_EQ(desk.server().GetVer(), u"SQL");
    EXPECT_EQ(desk.server().ExeSql1(QStringLiteral("insert into 部门信息 (部门名称) values('青禾汽车站')")), 1);
}

TEST(Startup, TwoDesksExchangeALineAndTheAdministratorsQuitOrder) {
    ServerFixture server;
    ASSERT_TRUE(server.started());
    Workstation admin({server.port()});
    admin.startAndLogIn(ServerFixture::kAdminCode, {ServerFixture::kAdminPassword});
    ASSERT_TRUE(admin.window->isEnabled());
    Workstation other({server.port()});
    other.startAndLogIn(ServerFixture::kAdminCode, {ServerFixture::kAdminPassword});
    ASSERT_TRUE(other.window->isEnabled());

    // Both learn who is on line through their polls.
    for (int i = 0; i < 4; ++i) {
        admin.window->sendToServer(QStringLiteral("If_on_line"));
        other.window->sendToServer(QStringLiteral("If_on_line"));
    }
    ASSERT_GE(admin.window->onlineList().size(), 2) << admin.window->onlineList().join(u'|').toStdString();

    Tconnetform& chat = admin.window->messagingWindow();
    chat.ComboBox1->setCurrentIndex(0);
    chat.ComboBox2->setEditText(QStringLiteral("各位同事，明天谁上早班？"));
    chat.Button1Click();
    waitFor([&] {
        other.window->sendToServer(QStringLiteral("If_on_line"));
        return other.window->messagingWindow().receivedLines().contains(
            QStringLiteral("【") + admin.window->session().OperatorName + QStringLiteral("】说：各位同事，明天谁上早班？"));
    });
    EXPECT_TRUE(other.window->messagingWindow().receivedLines().join(u'|').contains(u"明天谁上早班"));

    // The other desk works in a module when the order comes: it leaves in order, its log row closed.
    other.window->menuAction(menu::TicketMenu, menu::Departures)->trigger();
    ASSERT_NE(other.window->session().CurrentModule, u"No");
    chat.ComboBox2->setEditText(QStringLiteral("请你退出!"));
    chat.Button1Click();
    waitFor([&] {
        other.window->sendToServer(QStringLiteral("If_on_line"));
        return other.endedWith >= 0;
    });
    EXPECT_EQ(other.endedWith, 0);
    EXPECT_EQ(other.window->session().CurrentModule, u"No");
    ClientDataSet log(provider::Query);
    log.setCommandText(QStringLiteral("select 退出时间 from 操作记录"));
    log.open(admin.server());
    ASSERT_GE(log.recordCount(), 1);
    for (log.first(); !log.eof(); log.next()) EXPECT_FALSE(log.text(QStringLiteral("退出时间")).contains(u"正操作中"));
    for (int i = 0; i < 6; ++i) admin.window->sendToServer(QStringLiteral("If_on_line"));
    EXPECT_EQ(admin.endedWith, -1);  // the sender survives its own order
}

TEST(Startup, ABackupServerEndsTheClient) {
    ServerFixture backup(ServerFixture::Options{false, {QStringLiteral("--backup")}});
    ASSERT_TRUE(backup.started()) << backup.failure().toStdString();
    Workstation desk({backup.port()});
    desk.startAndLogIn(ServerFixture::kAdminCode, {ServerFixture::kAdminPassword});
    EXPECT_EQ(desk.endedWith, 0);
    ASSERT_FALSE(desk.prompter.errors.isEmpty());
    EXPECT_TRUE(desk.prompter.errors.first().startsWith(u"当前不是使用\"127.0.0.1\"服务器！"));
}

}  // namespace
