#include "appserver/schema/column_builders.h"
#include "appserver/schema/table_groups.h"

namespace schema {

namespace {

using namespace build;

// One row per sold ticket, seat hold and refund. A hold carries no shift number and no paper serial,
// so those two have no default: their absence is the hold's mark.
Table SoldTickets() {
    return Table{"已售车票",
                 {
                     requiredText("票号", 12),
                     text("原票号", 12),
                     text("车次", 5),
                     text("行车方向", 20),
                     text("乘车日期", 10),
                     text("乘车时间", 5),
                     text("座位号", 2),
                     text("到站", 12),
                     number("数量"),
                     money("票价"),
                     counter("保险额"),
                     text("售票员", 10),
                     text("售出时间", 19),
                     text("检票员", 10),
                     text("检票时间", 16),
                     text("停靠卡位", 16),
                     text("类型", 4),
                     text("车型", 20),
                     text("标志", 4),
                     flag("已结账"),
                     number("结算号"),
                     number("流水号"),
                     text("PID", 1, "'0'"),
                     text("开出", 4, "'否'"),
                     text("承运客车", 15, "''"),
                 },
                 {}};
}

Table SettledTickets() {
    return Table{"已售车票_往日",
                 {
                     requiredText("票号", 12), text("车次", 5),      text("行车方向", 20), text("到站", 12),
                     text("类型", 4),          text("乘车日期", 10), text("乘车时间", 5),  text("座位号", 2),
                     number("数量"),           money("票价"),        text("售票员", 10),   text("标志", 4),
                     text("检票员", 10),       text("承运客车", 15), text("售出时间", 19), text("重打", 1),
                     number("结算号"),         number("流水号"),     counter("保险额"),
                 },
                 {}};
}

// Seat state per trip and travel date; a row made from the key alone has every seat free.
Table SeatCounters() {
    return Table{"DeskList",
                 {
                     requiredText("DATE0", 8),
                     requiredText("CCNO", 4),
                     text("DESK", 60, QStringLiteral("'%1'").arg(QString(60, u'0'))),
                     counter("SSUM"),
                 },
                 {}};
}

Table Reprints() {
    return Table{"重打车票",
                 {
                     text("重打时间", 19),
                     number("原流水号"),
                     number("新流水号"),
                     text("票号", 12),
                     text("车次", 5),
                     text("行车方向", 20),
                     text("到站", 12),
                     text("类型", 4),
                     text("乘车日期", 10),
                     text("乘车时间", 5),
                     text("座位号", 2),
                     number("数量"),
                     money("票价"),
                     text("售票员", 10),
                     text("标志", 4),
                     text("售出时间", 19),
                     number("结算号"),
                 },
                 {}};
}

// One row per seller shift. The opening insert leaves the settlement columns out, and the reports
// subtract the roll serials from each other, so every number starts at 0.
Table CashManagement() {
    return Table{
        "现金管理",
        {
            autoNumber("结算号"),       text("当班日期", 10), text("上班时间", 5),  text("下班时间", 5),
            requiredText("当班人", 10), text("交班人", 10),   text("接班人", 10),   money("转入现金"),
            counter("售票数量"),        money("售票收入"),    counter("退票数量"),  money("退票金额"),
            money("当班收入"),          money("转出现金"),    money("差额"),        counter("保险费"),
            counter("起始票号1"),       counter("终止票号1"), counter("起始票号2"), counter("终止票号2"),
            counter("废票数"),          text("类型", 10),     flag("已结"),
        },
        "结算号"};
}

Table AccountingPeriods() {
    return Table{"财务期间",
                 {
                     autoNumber("ID"),
                     text("财务期间", 7),
                     text("统计起始日", 10),
                     text("统计终止日", 10),
                     text("售票员", 21),
                     money("初始现金"),
                     counter("售票数量"),
                     money("售票收入"),
                     counter("退票数量"),
                     money("退票金额"),
                     money("应结金额"),
                     money("实结金额"),
                     money("差额"),
                 },
                 "ID"};
}

Table DailyCash() {
    return Table{"每日票款收入",
                 {
                     text("当班日期", 10),
                     money("转入现金"),
                     counter("售票数量"),
                     money("售票收入"),
                     counter("退票数量"),
                     money("退票金额"),
                     money("当班收入"),
                     money("转出现金"),
                     money("差额"),
                 },
                 {}};
}

}  // namespace

QList<Table> SaleTables() {
    return {SoldTickets(),    SettledTickets(),    SeatCounters(), Reprints(),
            CashManagement(), AccountingPeriods(), DailyCash()};
}

}  // namespace schema
