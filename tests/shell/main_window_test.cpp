#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

#include "server/client_dataset.h"
#include "server/schema_names.h"
#include "shell/TForm1.h"
#include "shell/Tconnetform.h"
#include "shell/Tdepinfform.h"
#include "shell/Tent_passfm.h"
#include "shell/desk_area.h"
#include "shell/grid_dialogs.h"
#include "shell/grid_module.h"
#include "shell/menu_map.h"
#include "shell/module_gate.h"
#include "shell/platform/autostart.h"
#include "shell/platform/machine.h"
#include "shell/server_link.h"
#include "shell/settings.h"
#include "shell/wait.h"
#include "tests/shell/logged_in_desk.h"
#include "tests/support/qt_print.h"

namespace {

class QuietMachine : public Machine {
  public:
    bool setClock(const QDateTime&) override { return false; }
    QString hostName() const override { return QStringLiteral("desk-12"); }
    bool shutDown() override { return false; }
};

bool waitFor(const std::function<bool()>& done, int limitMs = 10000) {
    for (int waited = 0; waited < limitMs && !done(); waited += 20)
        WaitMillis(20);
    return done();
}

// The main window logged in through its login window as one operator of the demo station.
class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(fixture.started()) << fixture.failure().toStdString(); }

    void logIn(const QString& code, const QString& password) {
        settings = std::make_unique<Settings>(folder.filePath(QStringLiteral("Tickets.conf")));
        settings->WriteSetting(u"ServerName", fixture.host());
        settings->setLocalValue(QStringLiteral("Servers/Port1"), QString::number(fixture.port()));
        window = std::make_unique<TForm1>(*settings, machine, prompter, folder.path());
        window->serverLink().setHandshakePause(0);
        window->setProgramEnder([this](int code) { endedWith = code; });
        window->setNotifier([](int, const QString&) {});
        QTimer answer;
        answer.setInterval(20);
        bool answered = false;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* login = qobject_cast<Tent_passfm*>(QApplication::activeModalWidget());
            if (login == nullptr || !login->isVisible() || answered)
                return;
            if (login->ComboBox1->count() == 0)
                login->ConnectClick();
            login->ComboBox1->setEditText(code);
            login->Edit3->setText(password);
            answered = true;
            login->Button1Click();
        });
        answer.start();
        window->show();
        ASSERT_TRUE(waitFor([&] { return window->isEnabled() || endedWith >= 0; }));
        ASSERT_TRUE(window->isEnabled()) << prompter.errors.join(u'\n').toStdString();
    }

    QAction* entry(const QString& menuCaption, const QString& entryCaption) {
        QAction* found = window->menuAction(menuCaption, entryCaption);
        EXPECT_NE(found, nullptr) << entryCaption.toStdString();
        return found;
    }

    int openLogRows(const QString& module) {
        return static_cast<int>(
            window->session()
                .Connection
                ->open(provider::Query, QStringLiteral("select * from 操作记录 where 操作模块='") + module +
                                            QStringLiteral("' and 退出时间 like '%正操作中%'"))
                .rows.size());
    }

    ServerFixture fixture{ServerFixture::Options{true, {}}};
    QTemporaryDir folder;
    std::unique_ptr<Settings> settings;
    QuietMachine machine;
    RecordingPrompter prompter;
    std::unique_ptr<TForm1> window;
    int endedWith = -1;
};

TEST_F(MainWindow, EveryEntryOfTheMapIsInTheMenuAndModulesStillToComeAreDisabledWithAReason) {
    logIn(QStringLiteral("1001"), QStringLiteral("1234"));
    for (const MainMenu& menu : MainMenuMap()) {
        for (const MenuEntry& item : menu.entries) {
            if (item.caption.isEmpty())
                continue;
            QAction* action = entry(menu.caption, item.caption);
            if (!action->isEnabled()) {
                EXPECT_EQ(action->toolTip(), u"本功能模块尚未安装") << item.caption.toStdString();
            }
        }
    }
    for (const QString& working : {menu::Organisation, menu::OperatorRights, menu::Quit, menu::Autorun}) {
        EXPECT_TRUE(entry(menu::SystemMenu, working)->isEnabled()) << working.toStdString();
    }
    EXPECT_TRUE(entry(menu::TicketMenu, menu::Departures)->isEnabled());
    EXPECT_FALSE(entry(menu::TicketMenu, QStringLiteral("&2.售票系统"))->isEnabled());
    EXPECT_EQ(entry(menu::AuxiliaryMenu, menu::LockScreen)->shortcut(), QKeySequence(Qt::Key_F11));
    EXPECT_FALSE(window->deskArea()->pictureButton(1)->isEnabled());
    EXPECT_TRUE(window->deskArea()->pictureButton(6)->isEnabled());
    EXPECT_EQ(window->statusPanel(8)->text(), u"记录:0个");
}

TEST_F(MainWindow, ASellerIsRefusedWhereTheyHaveNoRightAndNothingOpens) {
    logIn(QStringLiteral("1001"), QStringLiteral("1234"));
    QAction* departures = entry(menu::TicketMenu, menu::Departures);
    departures->trigger();
    EXPECT_EQ(prompter.informations, QStringList{ModuleGate::kRefusal});
    EXPECT_TRUE(window->grid()->isHidden());
    EXPECT_FALSE(departures->isChecked());
    EXPECT_EQ(window->session().CurrentModule, u"No");
    EXPECT_FALSE(window->toolButton(ToolAction::Close)->isEnabled());
}

TEST_F(MainWindow, TheDepartureTableOpensInTheGridAndEscClosesItAndItsLogRow) {
    logIn(QStringLiteral("2001"), QStringLiteral("1234"));  // a gate clerk, granted 报班情况
    QAction* departures = entry(menu::TicketMenu, menu::Departures);
    departures->trigger();
    ASSERT_FALSE(window->grid()->isHidden()) << prompter.informations.join(u'|').toStdString();
    EXPECT_TRUE(departures->isChecked());
    EXPECT_EQ(window->titleText(), u"今日发车(报班)情况");
    const int rows = window->grid()->model()->rowCount();
    EXPECT_GT(rows, 0);
    EXPECT_EQ(window->statusPanel(8)->text(), QStringLiteral("记录:%1个").arg(rows));
    // Toolbar mode 3 for anyone but the administrator: no delete; add is the refresh.
    EXPECT_TRUE(window->toolButton(ToolAction::Add)->isEnabled());
    EXPECT_EQ(window->toolButton(ToolAction::Add)->toolTip(), u"刷新");
    EXPECT_FALSE(window->toolButton(ToolAction::Delete)->isEnabled());
    EXPECT_FALSE(window->session().Rights.CanEdit);
    EXPECT_EQ(openLogRows(QStringLiteral("报班情况")), 1);

    window->runToolAction(ToolAction::Add);
    EXPECT_EQ(prompter.informations.last(), u"刷新完毕！新增了0个班次。");

    QTest::keyClick(window->grid(), Qt::Key_Escape);
    EXPECT_TRUE(window->grid()->isHidden());
    EXPECT_FALSE(departures->isChecked());
    EXPECT_EQ(window->statusPanel(8)->text(), u"记录:0个");
    EXPECT_EQ(openLogRows(QStringLiteral("报班情况")), 0);
    EXPECT_FALSE(window->toolButton(ToolAction::Add)->isEnabled());
}

TEST_F(MainWindow, ChoosingAnOpenGridModuleAgainReopensItAndClosingTheWindowClosesOnlyTheModule) {
    logIn(QStringLiteral("0000"), QStringLiteral("admin"));
    QAction* log = entry(menu::AuxiliaryMenu, menu::OperationLog);
    log->trigger();
    ASSERT_FALSE(window->grid()->isHidden());
    EXPECT_EQ(window->titleText(), u"操作日志");
    EXPECT_FALSE(window->toolButton(ToolAction::Add)->isEnabled());
    EXPECT_TRUE(window->toolButton(ToolAction::Find)->isEnabled());
    log->trigger();
    ASSERT_FALSE(window->grid()->isHidden());
    // The first visit is closed, the second open, and the grid sits on the latest row.
    const int rows = window->grid()->model()->rowCount();
    EXPECT_GE(rows, 2);
    EXPECT_EQ(window->grid()->currentIndex().row(), rows - 1);
    EXPECT_EQ(openLogRows(QStringLiteral("系统操作日志")), 1);

    window->close();
    EXPECT_TRUE(window->grid()->isHidden());
    EXPECT_EQ(endedWith, -1);
    EXPECT_TRUE(prompter.questions.isEmpty());
    EXPECT_EQ(openLogRows(QStringLiteral("系统操作日志")), 0);
    EXPECT_EQ(window->titleText(), window->session().StationName);
}

TEST_F(MainWindow, TheAdministratorDeletesADepartureRowAfterTheQuestion) {
    logIn(QStringLiteral("0000"), QStringLiteral("admin"));
    entry(menu::TicketMenu, menu::Departures)->trigger();
    ASSERT_TRUE(window->toolButton(ToolAction::Delete)->isEnabled());
    const int rows = window->grid()->model()->rowCount();
    prompter.answer = false;
    QTest::keyClick(window->grid(), Qt::Key_Period);
    ASSERT_EQ(prompter.questions.size(), 1);
    EXPECT_TRUE(prompter.questions.first().startsWith(u"本笔资料:\r"));
    EXPECT_TRUE(prompter.questions.first().endsWith(u"'\r\r确实要删除本笔资料吗?"));
    EXPECT_EQ(window->grid()->model()->rowCount(), rows);
    prompter.answer = true;
    window->runToolAction(ToolAction::Delete);
    EXPECT_EQ(window->grid()->model()->rowCount(), rows - 1);
    EXPECT_EQ(window->statusPanel(8)->text(), QStringLiteral("记录:%1个").arg(rows - 1));
    EXPECT_EQ(static_cast<int>(window->session()
                                   .Connection->open(provider::Query, QStringLiteral("select * from 发车表"))
                                   .rows.size()),
              rows - 1);
}

TEST_F(MainWindow, TheAdministratorCorrectsOneFieldOfADeparture) {
    logIn(QStringLiteral("0000"), QStringLiteral("admin"));
    entry(menu::TicketMenu, menu::Departures)->trigger();
    ASSERT_GT(window->grid()->model()->rowCount(), 0);
    const QString trip = window->openGridModule()->dataSet().text(QStringLiteral("车次"));
    QTimer::singleShot(50, [] {
        auto* editor = qobject_cast<TFieldEditor*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        editor->FieldList->setCurrentText(QStringLiteral("检票口"));
        editor->ValueEdit->setText(QStringLiteral("9'"));
        editor->accept();
    });
    QTest::keyClick(window->grid(), Qt::Key_Return);
    const wire::DataSet stored = window->session().Connection->open(
        provider::Query, QStringLiteral("select 检票口 from 发车表 where 车次='") + trip + u'\'');
    ASSERT_EQ(stored.rows.size(), 1);
    EXPECT_EQ(stored.rows[0][0].toString(), u"9'");
    EXPECT_EQ(window->openGridModule()->dataSet().text(QStringLiteral("检票口")), u"9'");
}

TEST_F(MainWindow, AGateClerkWithoutTheEditRightIsToldSo) {
    logIn(QStringLiteral("2001"), QStringLiteral("1234"));
    entry(menu::TicketMenu, menu::Departures)->trigger();
    ASSERT_FALSE(window->grid()->isHidden());
    QTest::keyClick(window->grid(), Qt::Key_Return);
    EXPECT_EQ(prompter.errors, QStringList{QStringLiteral("对不起，您无“修改”操作权限!!")});
}

TEST_F(MainWindow, TheOrganisationWindowRenamesTheStationEverywhere) {
    logIn(QStringLiteral("0000"), QStringLiteral("admin"));
    QTimer::singleShot(50, [] {
        auto* window = qobject_cast<Tdepinfform*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        window->Edits[0]->setText(QStringLiteral("临川'北站"));
        emit window->Edits[0]->textEdited(window->Edits[0]->text());
        window->Button1Click();
    });
    entry(menu::SystemMenu, menu::Organisation)->trigger();
    EXPECT_EQ(window->session().StationName, u"临川'北站");
    EXPECT_EQ(window->titleText(), u"临川'北站");
    EXPECT_FALSE(entry(menu::SystemMenu, menu::Organisation)->isChecked());
    EXPECT_EQ(openLogRows(QStringLiteral("使用单位")), 0);
}

TEST_F(MainWindow, KeysOnTheDeskAndInTheGrid) {
    logIn(QStringLiteral("0000"), QStringLiteral("admin"));
    // On the desk: "T" shows the messaging window.
    QTest::keyClick(window.get(), Qt::Key_T);
    EXPECT_TRUE(window->messagingWindow().isVisible());
    window->messagingWindow().hide();

    entry(menu::TicketMenu, menu::Departures)->trigger();
    ASSERT_FALSE(window->grid()->isHidden());
    QTest::keyClick(window->grid(), Qt::Key_Plus);
    QTest::keyClick(window->grid(), Qt::Key_Plus);
    QTest::keyClick(window->grid(), Qt::Key_Minus);
    EXPECT_EQ(window->grid()->currentIndex().row(), 1);
    EXPECT_EQ(window->openGridModule()->dataSet().recNo(), 2);
    // "8" is the close button.
    QTest::keyClick(window->grid(), Qt::Key_8);
    EXPECT_TRUE(window->grid()->isHidden());
}

TEST_F(MainWindow, AutorunWritesTheStartEntryAndTheSetting) {
    logIn(QStringLiteral("1001"), QStringLiteral("1234"));
    DesktopAutostart autostart(folder.filePath(QStringLiteral("autostart")));
    window->setAutostart(autostart);
    QAction* autorun = entry(menu::SystemMenu, menu::Autorun);
    ASSERT_FALSE(autorun->isChecked());
    autorun->trigger();
    EXPECT_TRUE(autorun->isChecked());
    EXPECT_TRUE(autostart.isEnabled());
    EXPECT_TRUE(settings->autorun());
    // Opening and closing a module leaves the autorun mark alone.
    entry(menu::AuxiliaryMenu, menu::OperationLog)->trigger();
    window->ResetWorkspace(0);
    EXPECT_TRUE(autorun->isChecked());
    autorun->trigger();
    EXPECT_FALSE(autostart.isEnabled());
    EXPECT_FALSE(settings->autorun());
}

}  // namespace
