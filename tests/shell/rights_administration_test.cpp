#include <gtest/gtest.h>

#include "common/sql.h"
#include "server/client_dataset.h"
#include "server/schema_names.h"
#include "server/server_error.h"
#include "shell/menu_map.h"
#include "shell/module_gate.h"
#include "shell/operation_log.h"
#include "shell/operator_editor.h"
#include "shell/rights_administration.h"
#include "tests/shell/logged_in_desk.h"
#include "tests/support/qt_print.h"

namespace {

const QString kDemoPassword = QStringLiteral("1234");

// The rights window's logic as the given operator, with the module's rights as the gate gave them.
struct Administration {
    Administration(const ServerFixture& fixture, const QString& code, const QString& password)
        : desk(fixture, code, password),
          operators(provider::Operators),
          rights(provider::OperatorRights),
          admin(desk.server, desk.session, desk.prompter, operators, rights),
          editor(desk.server, desk.session, desk.prompter, operators, rights,
                 [this](const QString& text) { relayed << text; }) {
        desk.session.Rights = ModuleRights{true, true, true, true, true, true};
        admin.open();
    }

    void choose(const QString& code) {
        ASSERT_TRUE(operators.FindRecord(QStringLiteral("操作员代号"), true, code)) << code.toStdString();
        admin.followOperator();
    }
    QStringList modules() {
        QStringList names;
        for (int row = 1; row <= rights.recordCount(); ++row) {
            rights.setRecNo(row);
            names << rights.text(QStringLiteral("模块名称"));
        }
        return names;
    }

    LoggedInDesk desk;
    ClientDataSet operators;
    ClientDataSet rights;
    RightsAdministration admin;
    OperatorEditor editor;
    QStringList relayed;
};

// What the next login of `code` finds at the gate for a module.
bool nextLoginEnters(const ServerFixture& fixture, const QString& code, const QString& caption,
                     ModuleRights* rights = nullptr) {
    LoggedInDesk desk(fixture, code, kDemoPassword);
    OperationLog log(desk.server, desk.session, QStringLiteral("desk"));
    const bool admitted = ModuleGate(desk.server, desk.session, desk.prompter, log).admit(caption);
    if (rights != nullptr)
        *rights = desk.session.Rights;
    return admitted;
}

class Rights : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(fixture.started()) << fixture.failure().toStdString(); }
    ServerFixture fixture{ServerFixture::Options{true, {}}};
};

TEST_F(Rights, SelectAllAddsExactlyTheMissingModulesInMenuOrderAndTheNextLoginSeesThem) {
    Administration window(fixture, QStringLiteral("0000"), QStringLiteral("admin"));
    window.choose(QStringLiteral("1001"));
    const QStringList before = window.modules();
    ASSERT_EQ(before.size(), 3);
    EXPECT_FALSE(nextLoginEnters(fixture, QStringLiteral("1001"), QStringLiteral("&2.卡位设定")));

    window.admin.grantAll(GrantableModules());
    const QStringList after = window.modules();
    EXPECT_EQ(after.size(), GrantableModules().size());
    EXPECT_EQ(after.mid(0, 3), before);
    QStringList added = GrantableModules();
    for (const QString& module : before)
        added.removeOne(module);
    EXPECT_EQ(after.mid(3), added);
    ModuleRights rights;
    EXPECT_TRUE(nextLoginEnters(fixture, QStringLiteral("1001"), QStringLiteral("&2.卡位设定"), &rights));
    EXPECT_TRUE(rights.CanAdd && rights.CanEdit && rights.CanDelete && rights.CanFind && rights.CanPrint);
}

TEST_F(Rights, GrantingToAnAdministratorStoresNothing) {
    Administration window(fixture, QStringLiteral("9999"), ServerFixture::kAdminPassword);
    window.choose(QStringLiteral("0000"));
    window.admin.grant(QStringLiteral("卡位设定"));
    window.admin.grantAll(GrantableModules());
    EXPECT_TRUE(window.modules().isEmpty());
    EXPECT_EQ(window.desk.prompter.informations,
              QStringList(2, QStringLiteral("[管理员]是“系统管理员”其已拥有全权。")));
    EXPECT_TRUE(window.desk.server
                    .open(provider::Query, QStringLiteral("select * from 操作权限 where 操作员代号='0000'"))
                    .rows.isEmpty());
}

TEST_F(Rights, SettingAndClearingRightsReachesTheNextLogin) {
    Administration window(fixture, QStringLiteral("0000"), QStringLiteral("admin"));
    window.choose(QStringLiteral("1001"));
    window.admin.grant(QStringLiteral("报班情况"));

    // A whole column false, one cell back to true, then the module's whole row.
    window.admin.setColumn(QStringLiteral("删除权"), false);
    ASSERT_TRUE(window.rights.FindRecord(QStringLiteral("模块名称"), true, QStringLiteral("售票系统")));
    window.admin.toggleCell(QStringLiteral("删除权"));
    ModuleRights rights;
    ASSERT_TRUE(nextLoginEnters(fixture, QStringLiteral("1001"), QStringLiteral("&2.售票系统"), &rights));
    EXPECT_TRUE(rights.CanDelete);
    ASSERT_TRUE(nextLoginEnters(fixture, QStringLiteral("1001"), QStringLiteral("&1.售票登记"), &rights));
    EXPECT_FALSE(rights.CanDelete);
    EXPECT_TRUE(rights.CanAdd);

    ASSERT_TRUE(window.rights.FindRecord(QStringLiteral("模块名称"), true, QStringLiteral("报班情况")));
    window.admin.setRow(false);
    ASSERT_TRUE(nextLoginEnters(fixture, QStringLiteral("1001"), QStringLiteral("&8.报班情况"), &rights));
    EXPECT_FALSE(rights.CanAdd || rights.CanEdit || rights.CanDelete || rights.CanFind || rights.CanPrint);

    window.admin.removeOne();
    EXPECT_FALSE(nextLoginEnters(fixture, QStringLiteral("1001"), QStringLiteral("&8.报班情况")));
    window.admin.removeAll();
    EXPECT_TRUE(window.modules().isEmpty());
    EXPECT_FALSE(nextLoginEnters(fixture, QStringLiteral("1001"), QStringLiteral("&1.售票登记")));
}

TEST_F(Rights, WithoutTheEditRightNothingChanges) {
    Administration window(fixture, QStringLiteral("0000"), QStringLiteral("admin"));
    window.desk.session.Rights.CanEdit = false;
    window.choose(QStringLiteral("1001"));
    window.admin.grant(QStringLiteral("卡位设定"));
    window.admin.removeAll();
    window.admin.setColumn(QStringLiteral("新增权"), false);
    EXPECT_EQ(window.modules().size(), 3);
    ModuleRights rights;
    ASSERT_TRUE(nextLoginEnters(fixture, QStringLiteral("1001"), QStringLiteral("&1.售票登记"), &rights));
    EXPECT_TRUE(rights.CanAdd);
}

TEST_F(Rights, ANewOperatorCopiesTheRightsOfTheFirstOtherOperatorWithTheRoleAndLogsInWithThePassword) {
    Administration window(fixture, QStringLiteral("0000"), QStringLiteral("admin"));
    ASSERT_EQ(window.editor.add({QStringLiteral("1003"), QStringLiteral("赵敏"), QStringLiteral("售票员"),
                                 QStringLiteral("s3cret'")}),
              OperatorEditor::Outcome::Saved);
    ClientDataSet copied(provider::Query);
    copied.setCommandText(
        QStringLiteral("select 模块名称 from 操作权限 where 操作员代号='1003' order by 模块名称"));
    copied.open(window.desk.server);
    EXPECT_EQ(copied.recordCount(), 3);
    // The password went to the server's own store, never into a statement or a row.
    LoggedInDesk newcomer(fixture, QStringLiteral("1003"), QStringLiteral("s3cret'"));
    EXPECT_EQ(newcomer.session.OperatorName, u"赵敏");

    // A role that nobody else holds: no model, no rights; the new operator is not their own model.
    ASSERT_EQ(window.editor.add(
                  {QStringLiteral("5001"), QStringLiteral("周安"), QStringLiteral("安检员"), QString()}),
              OperatorEditor::Outcome::Saved);
    EXPECT_EQ(window.editor.copyRights(QStringLiteral("5001"), QStringLiteral("安检员")),
              OperatorEditor::Outcome::NoModel);
    window.choose(QStringLiteral("5001"));
    EXPECT_TRUE(window.modules().isEmpty());

    // Copying again onto an operator who has rights is refused.
    EXPECT_EQ(window.editor.copyRights(QStringLiteral("1003"), QStringLiteral("售票员")),
              OperatorEditor::Outcome::RightsNotEmpty);
    EXPECT_EQ(window.desk.prompter.informations.last(), u"只有操作权限为空才能用此功能。");
}

TEST_F(Rights, TheEditorRefusesEmptyFieldsTakenCodesAndAdministratorsMadeByOthers) {
    Administration window(fixture, QStringLiteral("1001"), kDemoPassword);
    const QString admin = Session::kAdministratorRole;
    const struct {
        OperatorEntry entry;
        OperatorEditor::Outcome outcome;
        const char16_t* message;
    } cases[] = {
        {{QString(), QStringLiteral("某人"), QStringLiteral("售票员"), {}},
         OperatorEditor::Outcome::MissingCode,
         u"操作员代号不能为空!"},
        {{QStringLiteral("7001"), QString(), QStringLiteral("售票员"), {}},
         OperatorEditor::Outcome::MissingName,
         u"操作员姓名不能为空!"},
        {{QStringLiteral("1002"), QStringLiteral("某人"), QStringLiteral("售票员"), {}},
         OperatorEditor::Outcome::CodeTaken,
         u"本操作员代号已有人用,请更改!"},
        {{QStringLiteral("7001"), QStringLiteral("某人"), admin, {}},
         OperatorEditor::Outcome::RoleRefused,
         u"你无权将操作员职务改为'系统管理员'!"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(window.editor.add(c.entry), c.outcome);
        EXPECT_EQ(window.desk.prompter.errors.last(), QString::fromUtf16(c.message));
    }
    window.choose(QStringLiteral("1002"));
    EXPECT_EQ(window.editor.save({QStringLiteral("1002"), QStringLiteral("王芳"), admin, {}}),
              OperatorEditor::Outcome::RoleRefused);
    const wire::DataSet roles = window.desk.server.open(
        provider::Query, QStringLiteral("select 操作员职务 from 操作员 where 操作员代号 in ('1002','7001')"));
    ASSERT_EQ(roles.rows.size(), 1);
    EXPECT_EQ(roles.rows[0][0].toString(), u"售票员");
    EXPECT_FALSE(window.editor.passwordEditable());
}

TEST_F(Rights, EditingOnesOwnNameUpdatesTheSessionAndTellsTheOtherDesks) {
    Administration window(fixture, QStringLiteral("1001"), kDemoPassword);
    window.choose(QStringLiteral("1001"));
    ASSERT_EQ(window.editor.save({QStringLiteral("1001"), QStringLiteral("李红梅"), QStringLiteral("售票员"),
                                  QStringLiteral("ignored")}),
              OperatorEditor::Outcome::Saved);
    EXPECT_EQ(window.desk.session.OperatorName, u"李红梅");
    EXPECT_EQ(window.relayed, QStringList{QStringLiteral("op_reuser〖1001〗李红梅")});
    // A seller cannot set a password: the old one still opens the desk.
    EXPECT_EQ(LoggedInDesk(fixture, QStringLiteral("1001"), kDemoPassword).session.OperatorName, u"李红梅");
    EXPECT_EQ(window.desk.session.OperatorPassword, kDemoPassword);
}

TEST_F(Rights, NobodyDeletesThemselvesTheLastAdministratorOrASellerWithTickets) {
    Administration window(fixture, QStringLiteral("9999"), ServerFixture::kAdminPassword);
    window.choose(QStringLiteral("9999"));
    EXPECT_FALSE(window.admin.deleteOperator({}));
    EXPECT_EQ(window.desk.prompter.errors.last(), RightsAdministration::kOwnRecord);

    // Another desk has 1002 at work.
    window.choose(QStringLiteral("1002"));
    EXPECT_FALSE(window.admin.deleteOperator({QStringLiteral("〖1002〗王芳")}));
    EXPECT_EQ(window.desk.prompter.informations.last(), RightsAdministration::kDeleteOnline);

    window.desk.server.ExeSql1(
        QStringLiteral("insert into 已售车票 (票号,售票员,车次,乘车日期,座位号,数量,标志) "
                       "values('030900010101','1002','0001','2026-03-09','01',1,'正常')"));
    EXPECT_FALSE(window.admin.deleteOperator({}));
    EXPECT_EQ(window.desk.prompter.errors.last(), RightsAdministration::kHasSales);

    window.choose(QStringLiteral("1001"));
    EXPECT_TRUE(window.admin.deleteOperator({}));
    EXPECT_EQ(window.desk.prompter.questions.last(), u"操作员:[李红]\r确实要删除此操作员资料吗?");
    EXPECT_TRUE(window.desk.server
                    .open(provider::Query, QStringLiteral("select * from 操作权限 where 操作员代号='1001'"))
                    .rows.isEmpty());
    EXPECT_THROW(LoggedInDesk(fixture, QStringLiteral("1001"), kDemoPassword), ServerError);

    window.choose(QStringLiteral("0000"));
    EXPECT_TRUE(window.admin.deleteOperator({}));

    // 9999 is now the only administrator; a seller with the delete right may not remove them.
    Administration seller(fixture, QStringLiteral("1002"), kDemoPassword);
    seller.choose(QStringLiteral("9999"));
    EXPECT_FALSE(seller.admin.deleteOperator({}));
    EXPECT_EQ(seller.desk.prompter.errors.last(), RightsAdministration::kLastAdministrator);
}

}  // namespace
