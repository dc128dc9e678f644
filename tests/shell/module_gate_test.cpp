#include <gtest/gtest.h>

#include "common/sql.h"
#include "server/client_dataset.h"
#include "server/schema_names.h"
#include "shell/menu_map.h"
#include "shell/module_gate.h"
#include "shell/operation_log.h"
#include "shell/tool_actions.h"
#include "tests/shell/logged_in_desk.h"
#include "tests/support/qt_print.h"

namespace {

const QString kSeller = QStringLiteral("1001");
const QString kDemoPassword = QStringLiteral("1234");

wire::DataSet logRows(AppServer& server, const QString& code) {
    return server.open(
        provider::Query,
        QStringLiteral("select 操作模块,操作机器,进入时间,退出时间 from 操作记录 where 操作员代号=") +
            sqlText(code) + QStringLiteral(" order by 进入时间"));
}

class Gate : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(fixture.started()) << fixture.failure().toStdString(); }

    bool enter(LoggedInDesk& desk, const QString& caption) {
        OperationLog log(desk.server, desk.session, QStringLiteral("desk-7"));
        return ModuleGate(desk.server, desk.session, desk.prompter, log).admit(caption);
    }

    ServerFixture fixture{ServerFixture::Options{true, {}}};
};

TEST(MenuMap, ModuleNamesDropThePrefixAndTheGrantableListFollowsTheMenus) {
    EXPECT_EQ(ModuleNameOf(QStringLiteral("&1.使用单位")), u"使用单位");
    EXPECT_EQ(ModuleNameOf(QStringLiteral("&A.班次管理")), u"班次管理");
    const QStringList modules = GrantableModules();
    EXPECT_EQ(modules.first(), u"使用单位");
    EXPECT_EQ(modules.last(), u"暂时离开锁定");
    EXPECT_FALSE(modules.contains(QStringLiteral("退出系统")));
    EXPECT_FALSE(modules.contains(QString()));
    EXPECT_TRUE(modules.contains(QStringLiteral("自动运行")));
    EXPECT_TRUE(modules.contains(QStringLiteral("保管当班登记及结算")));
    EXPECT_EQ(modules.indexOf(QStringLiteral("售票登记")) + 1, modules.indexOf(QStringLiteral("售票系统")));
    QStringList distinct = modules;
    EXPECT_EQ(distinct.removeDuplicates(), 0);
}

TEST_F(Gate, TheAdministratorEntersEverywhereWithEveryRightEvenWithoutRows) {
    LoggedInDesk admin(fixture, QStringLiteral("0000"), QStringLiteral("admin"));
    ASSERT_TRUE(admin.session.isAdministrator());
    for (const QString& caption : {QStringLiteral("&4.数据维护操作"), QStringLiteral("&6.操作权限")}) {
        EXPECT_TRUE(enter(admin, caption)) << caption.toStdString();
        const ModuleRights& rights = admin.session.Rights;
        EXPECT_TRUE(rights.ModuleOpen && rights.CanAdd && rights.CanEdit && rights.CanDelete &&
                    rights.CanFind && rights.CanPrint);
    }
    EXPECT_TRUE(admin.prompter.informations.isEmpty());
}

TEST_F(Gate, ASellerEntersOnlyWhereARightsRowExistsAndTakesItsRights) {
    LoggedInDesk seller(fixture, kSeller, kDemoPassword);
    seller.server.ExeSql1(QStringLiteral(
        "update 操作权限 set 删除权=0,打印权=0 where 操作员代号='1001' and 模块名称='售票登记'"));

    ASSERT_TRUE(enter(seller, QStringLiteral("&1.售票登记")));
    const ModuleRights& rights = seller.session.Rights;
    EXPECT_TRUE(rights.ModuleOpen && rights.CanAdd && rights.CanEdit && rights.CanFind);
    EXPECT_FALSE(rights.CanDelete);
    EXPECT_FALSE(rights.CanPrint);
    EXPECT_EQ(seller.session.CurrentModule, u"售票登记");

    EXPECT_FALSE(enter(seller, QStringLiteral("&6.操作权限")));
    EXPECT_EQ(seller.prompter.informations, QStringList{ModuleGate::kRefusal});
    EXPECT_FALSE(seller.session.Rights.ModuleOpen);
    EXPECT_FALSE(seller.session.Rights.CanAdd);
}

TEST_F(Gate, EnteringOpensOneLogRowThatLeavingCloses) {
    LoggedInDesk seller(fixture, kSeller, kDemoPassword);
    const QDateTime entered(QDate(2026, 3, 9), QTime(8, 5, 7));
    OperationLog log(seller.server, seller.session, QStringLiteral("desk-7"));
    log.LogModuleEntry(QStringLiteral("售座情况"), entered);

    wire::DataSet rows = logRows(seller.server, kSeller);
    ASSERT_EQ(rows.rows.size(), 1);
    EXPECT_EQ(rows.rows[0][0].toString(), u"售座情况");
    EXPECT_EQ(rows.rows[0][1].toString(), u"desk-7");
    EXPECT_EQ(rows.rows[0][2].toString(), u"03-09,08:05.07");
    EXPECT_EQ(rows.rows[0][3].toString(), u"03-09,正操作中...");

    // A second entry closes the first row before it opens its own.
    log.LogModuleEntry(QStringLiteral("售票系统"), entered.addSecs(60));
    log.LogModuleExit(entered.addSecs(125));
    rows = logRows(seller.server, kSeller);
    ASSERT_EQ(rows.rows.size(), 2);
    EXPECT_EQ(rows.rows[0][3].toString(), u"03-09,08:06.07");
    EXPECT_EQ(rows.rows[1][0].toString(), u"售票系统");
    EXPECT_EQ(rows.rows[1][3].toString(), u"03-09,08:07.12");
    EXPECT_EQ(seller.session.CurrentModule, OperationLog::kNoModule);

    // Leaving twice writes nothing more.
    log.LogModuleExit(entered.addSecs(500));
    EXPECT_EQ(logRows(seller.server, kSeller).rows[1][3].toString(), u"03-09,08:07.12");
}

TEST_F(Gate, AModuleNameWithAQuoteIsLoggedAsTyped) {
    LoggedInDesk admin(fixture, QStringLiteral("0000"), QStringLiteral("admin"));
    OperationLog(admin.server, admin.session, QStringLiteral("o'brien's desk"))
        .LogModuleEntry(QStringLiteral("报班'情况"));
    const wire::DataSet rows = logRows(admin.server, QStringLiteral("0000"));
    ASSERT_EQ(rows.rows.size(), 1);
    EXPECT_EQ(rows.rows[0][0].toString(), u"报班'情况");
    EXPECT_EQ(rows.rows[0][1].toString(), u"o'brien's desk");
}

TEST(ToolActions, EachButtonNeedsItsRightAndTheModesEnableTheirButtons) {
    const ModuleRights none;
    const ModuleRights all{true, true, true, true, true, true};
    const struct {
        ToolAction action;
        const char16_t* refusal;
    } cases[] = {
        {ToolAction::Add, u"对不起，您无“新增”操作权限!!"},
        {ToolAction::Edit, u"对不起，您无“修改”操作权限!!"},
        {ToolAction::Delete, u"对不起，您无“删除”操作权限!!"},
        {ToolAction::Find, u"对不起，您无“查询”操作权限!!"},
        {ToolAction::Filter, u"对不起，您无“查询”操作权限!!"},
        {ToolAction::Print, u"对不起，您无“打印”操作权限!!"},
        {ToolAction::Chart, u""},
        {ToolAction::Close, u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToolRefusal(c.action, none), QString::fromUtf16(c.refusal));
        EXPECT_EQ(ToolRefusal(c.action, all), QString());
    }
    using Enabled = std::array<bool, kToolActionCount>;
    EXPECT_EQ(ToolButtonsEnabled(0), (Enabled{}));
    EXPECT_EQ(ToolButtonsEnabled(1), (Enabled{true, true, true, true, true, true, false, true}));
    EXPECT_EQ(ToolButtonsEnabled(2), (Enabled{false, false, false, true, true, true, false, true}));
    EXPECT_EQ(ToolButtonsEnabled(3), (Enabled{true, true, false, true, true, true, false, true}));
}

}  // namespace
