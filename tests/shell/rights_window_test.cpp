#include <gtest/gtest.h>

#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QtTest/QTest>

#include "server/client_dataset.h"
#include "server/schema_names.h"
#include "shell/Toperright.h"
#include "shell/menu_map.h"
#include "tests/shell/logged_in_desk.h"
#include "tests/support/qt_print.h"

namespace {

int rightsRows(AppServer& server, const QString& code, const QString& condition = QStringLiteral("1=1")) {
    return static_cast<int>(
        server
            .open(provider::Query, QStringLiteral("select * from 操作权限 where 操作员代号='") + code +
                                       QStringLiteral("' and ") + condition)
            .rows.size());
}

TEST(RightsWindow, APersonGrantsAModuleAndClearsAColumnWithTheMouse) {
    ServerFixture fixture{ServerFixture::Options{true, {}}};
    ASSERT_TRUE(fixture.started()) << fixture.failure().toStdString();
    LoggedInDesk admin(fixture, QStringLiteral("0000"), QStringLiteral("admin"));
    admin.session.Rights = ModuleRights{true, true, true, true, true, true};
    ClientDataSet operators(provider::Operators);
    ClientDataSet rights(provider::OperatorRights);
    Toperright window(
        admin.server, admin.session, admin.prompter, operators, rights, [] { return QStringList(); },
        [](const QString&) {});
    window.show();

    window.DBGrid2->selectRow(1);  // 1001, a seller with three modules
    ASSERT_EQ(operators.text(QStringLiteral("操作员代号")), u"1001");
    ASSERT_EQ(window.DBGrid1->model()->rowCount(), 3);
    EXPECT_TRUE(window.DBGrid1->isColumnHidden(0));
    EXPECT_EQ(window.DBGrid1->model()->index(0, 2).data().toString(), u"True");

    window.ListBox1->setCurrentRow(GrantableModules().indexOf(QStringLiteral("报班情况")));
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    EXPECT_EQ(window.DBGrid1->model()->rowCount(), 4);
    EXPECT_EQ(rightsRows(admin.server, QStringLiteral("1001")), 4);

    // Title click on 删除权 selects the column; a double click sets it to the opposite of the
    // current row's value for every row of the operator.
    const int deleteColumn = 4;
    window.DBGrid1->horizontalHeader()->sectionClicked(deleteColumn);
    window.RightsDoubleClick();
    EXPECT_EQ(rightsRows(admin.server, QStringLiteral("1001"), QStringLiteral("删除权=0")), 4);
    EXPECT_EQ(window.DBGrid1->model()->index(3, deleteColumn).data().toString(), u"False");

    // The other operators' rows were not touched, and closing leaves the sets closed.
    EXPECT_EQ(rightsRows(admin.server, QStringLiteral("1002"), QStringLiteral("删除权=1")), 3);
    window.Button5->click();
    EXPECT_FALSE(operators.isActive());
    EXPECT_FALSE(rights.isActive());
}

}  // namespace
