#include "appserver/schema/column_builders.h"
#include "appserver/schema/table_groups.h"

namespace schema {

namespace {

using namespace build;

// The lines of a trip settlement sheet, one per destination.
QList<Column> SheetLineColumns() {
    return {
        requiredText("日结单号", 12),
        text("行车方向", 20),
        text("到站", 16),
        counter("售出票数"),
        money("金额"),
        counter("上车人数"),
        money("应结金额"),
        counter("全票"),
        money("全票价"),
        counter("半票"),
        money("半票价"),
        text("结算人", 10),
        text("客车编号", 15),
        counter("公里"),
    };
}

// One row per trip settlement sheet; the monthly settlement with the owner fills 结算号.
QList<Column> SheetColumns() {
    return {
        requiredText("日结单号", 12),
        text("行车方向", 20),
        text("发车时间", 5),
        counter("售出票数"),
        money("金额"),
        counter("上车人数"),
        money("应结金额"),
        text("结算人", 10),
        text("结算日期", 10),
        text("客车编号", 15),
        text("序号", 4),
        text("车属单位", 32),
        counter("座位数"),
        text("类型", 4),
        text("车次", 5),
        money("每票扣"),
        counter("人公里"),
        counter("终点站"),
        text("出单时间", 8),
        text("扣款方式", 1),
        text("结算号", 10),
    };
}

Table MonthlySettlements() {
    return Table{"月结单结算汇总",
                 {
                     text("结算号", 10),
                     text("结算日期", 10),
                     text("结款时间", 5),
                     text("收款人", 20),
                     counter("单据数"),
                     counter("总人数"),
                     money("总金额"),
                     text("扣款方式", 8),
                     money("扣款率"),
                     money("扣款额"),
                     money("实结金额"),
                     text("结算人", 10),
                     money("费用金额"),
                 },
                 {}};
}

// Charter orders; the window reads a row by column position. An order is settled once 结账人 is
// not empty, so it starts as an empty text.
Table Charters() {
    return Table{"包车",
                 {
                     text("包车人", 10),
                     text("联系电话", 13),
                     text("单位地址", 24),
                     text("包车日期", 8),
                     text("所包车次", 5),
                     text("车次方向", 20),
                     money("包车费共"),
                     money("支付定金"),
                     text("下单人", 10),
                     text("下单日期", 10),
                     text("结账人", 10, "''"),
                     text("结账日期", 10, "''"),
                     text("误车否", 4),
                 },
                 {}};
}

// Document layouts of the layout designer; an element text left empty is an element not in use.
Table DocumentLayouts() {
    QList<Column> columns{
        autoNumber("id"),  requiredText("证书名称", 20),
        counter("证书宽"), counter("证书高"),
        counter("左边界"), counter("上边界"),
        counter("转向"),
    };
    for (int n = 1; n <= 30; ++n)
        columns.append(text(QStringLiteral("str%1").arg(n), 50, "''"));
    return Table{"ZSdes", columns, "id"};
}

}  // namespace

QList<Table> SettlementTables() {
    return {
        Table{"车次日结单", SheetLineColumns(), {}},
        Table{"车次日结单_往日", SheetLineColumns(), {}},
        Table{"车次月结单", SheetColumns(), {}},
        Table{"车次月结单_往日", SheetColumns(), {}},
        MonthlySettlements(),
        Charters(),
        DocumentLayouts(),
    };
}

}  // namespace schema
