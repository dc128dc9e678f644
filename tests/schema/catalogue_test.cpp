#include <gtest/gtest.h>

#include "appserver/schema/catalogue.h"
#include "tests/support/qt_print.h"

using schema::ColumnType;

namespace {

struct ColumnCase {
    const char* table;
    const char* column;
    ColumnType type;
    int length;
};

// The columns the sale, the gate, the shifts and the start-up rely on most.
const ColumnCase kColumnCases[] = {
    {"已售车票", "票号", ColumnType::Text, 12},       {"已售车票", "乘车日期", ColumnType::Text, 10},
    {"已售车票", "座位号", ColumnType::Text, 2},      {"已售车票", "票价", ColumnType::Money, 0},
    {"已售车票", "保险额", ColumnType::Integer, 0},   {"已售车票", "已结账", ColumnType::Bool, 0},
    {"已售车票", "结算号", ColumnType::Integer, 0},   {"已售车票", "PID", ColumnType::Text, 1},
    {"已售车票", "开出", ColumnType::Text, 4},        {"已售车票_往日", "重打", ColumnType::Text, 1},
    {"发车表", "检票", ColumnType::Text, 4},          {"发车表", "售出", ColumnType::Integer, 0},
    {"发车表", "检到车次", ColumnType::Text, 5},      {"desklist", "date0", ColumnType::Text, 8},
    {"DeskList", "DESK", ColumnType::Text, 60},       {"DeskList", "SSUM", ColumnType::Integer, 0},
    {"站台客车", "开停条件", ColumnType::Text, 90},   {"站台客车", "末班车", ColumnType::Bool, 0},
    {"站台客车", "起始座号", ColumnType::Integer, 0}, {"票价表", "一类价", ColumnType::Money, 0},
    {"票价表", "六类价", ColumnType::Money, 0},       {"票价表节日", "调价日期", ColumnType::Text, 8},
    {"系统参数表", "加收费用", ColumnType::Money, 0}, {"系统参数表", "prnself", ColumnType::Bool, 0},
    {"系统参数表", "T10Y", ColumnType::Integer, 0},   {"系统参数表", "手工检票密码", ColumnType::Text, 8},
    {"操作员", "操作员密码", ColumnType::Text, 10},   {"现金管理", "已结", ColumnType::Bool, 0},
    {"现金管理", "差额", ColumnType::Money, 0},       {"车次月结单_往日", "结算号", ColumnType::Text, 10},
    {"zsdes", "STR30", ColumnType::Text, 50},
};

TEST(Catalogue, NamedColumnsExistWithTheirTypes) {
    for (const ColumnCase& c : kColumnCases) {
        SCOPED_TRACE(std::string(c.table) + "." + c.column);
        const schema::Table* table = schema::FindTable(QString::fromUtf8(c.table));
        ASSERT_NE(table, nullptr);
        const schema::Column* column = schema::FindColumn(*table, QString::fromUtf8(c.column));
        ASSERT_NE(column, nullptr);
        EXPECT_EQ(column->type, c.type);
        EXPECT_EQ(column->length, c.length);
    }
}

TEST(Catalogue, UnknownNamesAreNotFound) {
    EXPECT_EQ(schema::FindTable(u"Desk1List"), nullptr);
    EXPECT_EQ(schema::FindColumn(*schema::FindTable(u"已售车票"), u"票 号"), nullptr);
}

// The login and the charter window read these rows by column position.
TEST(Catalogue, ColumnsReadByPositionKeepTheirOrder) {
    const auto names = [](const char* tableName) {
        QStringList result;
        for (const schema::Column& column : schema::FindTable(QString::fromUtf8(tableName))->columns) {
            result.append(column.name);
        }
        return result;
    };
    EXPECT_EQ(names("操作员"), (QStringList{"操作员代号", "操作员姓名", "操作员职务", "操作员密码"}));
    EXPECT_EQ(names("包车").mid(0, 4), (QStringList{"包车人", "联系电话", "单位地址", "包车日期"}));
    EXPECT_EQ(names("包车").last(), "误车否");
}

TEST(Catalogue, DatabaseAssignsShiftAndInspectionNumbers) {
    EXPECT_EQ(schema::FindTable(u"现金管理")->autoNumberColumn, "结算号");
    EXPECT_EQ(schema::FindTable(u"客车安检")->autoNumberColumn, "安检单号");
    EXPECT_EQ(schema::FindTable(u"客车安检表")->autoNumberColumn, "ID");
    EXPECT_EQ(schema::FindTable(u"已售车票")->autoNumberColumn, "");
}

}  // namespace
