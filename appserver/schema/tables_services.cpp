#include "appserver/schema/column_builders.h"
#include "appserver/schema/table_groups.h"

namespace schema {

namespace {

using namespace build;

Table StoredItems() {
    return Table{"包裹物品管理",
                 {
                     requiredText("业务编号", 8),
                     text("物品名称", 12),
                     text("规格或特征", 12),
                     counter("数量"),
                     counter("保管天数"),
                     money("保管费"),
                     text("投保时间", 16),
                     text("受理人", 10),
                     text("摆放位置", 12),
                     text("物主姓名", 10),
                     text("取物凭证", 10),
                     text("凭证号码", 18),
                     text("取物时间", 16),
                     text("办理人", 10),
                     text("结账", 4),
                 },
                 {}};
}

// One row per storage clerk shift; the settlement columns are left out when the shift opens.
Table StorageShifts() {
    return Table{"保管费收入",
                 {
                     text("当班日期", 10),
                     requiredText("当班人", 10),
                     text("上班时间", 5),
                     text("下班时间", 5),
                     text("交班人", 10),
                     text("接班人", 10),
                     money("转入现金"),
                     text("类型", 4),
                     flag("已结"),
                     money("转出现金"),
                     money("当班收入"),
                     counter("行李数量"),
                     money("差额"),
                 },
                 {}};
}

Table StorageMonthlySummary() {
    return Table{"行李保管费汇总",
                 {
                     text("年度", 4),
                     text("月份", 2),
                     text("日", 2),
                     text("受理人", 10),
                     counter("保管行李数"),
                     money("保管费收入"),
                 },
                 {}};
}

Table FeeItems() {
    return Table{"收费项目表",
                 {
                     requiredText("编号", 10),
                     text("收费项目", 40),
                     text("收费形式", 30),
                     money("费用金额"),
                 },
                 {}};
}

Table FeesDue() {
    return Table{"应交费用表",
                 {
                     requiredText("交费人", 10),
                     text("收费项目", 20),
                     money("费用金额"),
                     text("收费形式", 8),
                     text("交费日期", 12),
                     text("备注", 50),
                 },
                 {}};
}

// Owner payments, and the fee deductions of a monthly settlement (the last four columns).
Table FeesPaid() {
    return Table{"已交费用表",
                 {
                     text("交费人", 10),
                     money("应交费用"),
                     money("已交费用"),
                     money("差额"),
                     text("收费人", 10),
                     text("年度", 4),
                     text("月", 2),
                     text("日", 2),
                     text("时间", 5),
                     text("结算号", 10),
                     text("收费项目", 40),
                     text("收费形式", 30),
                     money("费用金额"),
                 },
                 {}};
}

Table Inspections() {
    return Table{"客车安检",
                 {
                     autoNumber("安检单号"),
                     text("客车编号", 15),
                     text("检验日期", 20),
                     text("检验员", 10),
                     text("驾驶员", 20),
                     text("跟车员", 10),
                     flag("检验结果"),
                     text("离站时间", 5),
                     number("明细表号"),
                 },
                 "安检单号"};
}

Table InspectionResults() {
    QList<Column> columns{autoNumber("ID"), flag("AllOK")};
    for (int n = 1; n <= 10; ++n)
        columns.append(flag(QStringLiteral("OK%1").arg(n)));
    columns.append(text("ZJGStr", 200));
    return Table{"客车安检表", columns, "ID"};
}

Table InspectionSettings() {
    QList<Column> columns{text("ajbt", 60)};
    for (int n = 1; n <= 10; ++n)
        columns.append(text(QStringLiteral("xm%1").arg(n), 20));
    for (int n = 1; n <= 10; ++n)
        columns.append(text(QStringLiteral("xmyq%1").arg(n), 200));
    columns.append(text("bzstr", 500));
    return Table{"客车检查设定表", columns, {}};
}

}  // namespace

QList<Table> ServiceTables() {
    return {StoredItems(), StorageShifts(), StorageMonthlySummary(), FeeItems(),          FeesDue(),
            FeesPaid(),    Inspections(),   InspectionResults(),     InspectionSettings()};
}

}  // namespace schema
