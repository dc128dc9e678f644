#include "appserver/schema/catalogue.h"

namespace schema {

namespace {

Index Plain(const QString& table, const QString& purpose, const QList<QStringList>& terms) {
    return Index{table + u'_' + purpose, table, terms, false, {}};
}

Index Unique(const QString& table, const QString& purpose, const QList<QStringList>& terms,
             const QString& where = {}) {
    return Index{table + u'_' + purpose, table, terms, true, where};
}

QList<Index> TicketIndexes() {
    return {
        // A seat is taken while a row for it is not a refund; trips sold without seat numbers put
        // every ticket on seat "00".
        Unique("已售车票", "live_seat", {{"乘车日期"}, {"车次"}, {"座位号"}},
               QStringLiteral("\"标志\" <> '退票' and \"座位号\" <> '00'")),
        Plain("已售车票", "date_trip", {{"乘车日期"}, {"车次"}}),
        Plain("已售车票", "date_trip_seat_key", {{"乘车日期", "车次", "座位号"}}),
        Plain("已售车票", "date_trip_key", {{"乘车日期", "车次"}}),
        // A refund row may carry the number of the ticket it refunds, so the number is no key.
        Plain("已售车票", "ticket_no", {{"票号"}}),
        Plain("已售车票", "ticket_seller_key", {{"票号", "售票员"}}),
        Plain("已售车票", "seller_unsettled", {{"售票员"}, {"已结账"}}),
        Plain("已售车票", "shift", {{"结算号"}}),
        Plain("已售车票_往日", "shift", {{"结算号"}}),
        Plain("已售车票_往日", "travel_date", {{"乘车日期"}}),
        Plain("已售车票_往日", "ticket_no", {{"票号"}}),
        Unique("DeskList", "date_trip", {{"DATE0"}, {"CCNO"}}),
        Plain("DeskList", "date_trip_key", {{"DATE0", "CCNO"}}),
        Plain("重打车票", "shift", {{"结算号"}}),
    };
}

QList<Index> ShiftIndexes() {
    return {
        Unique("现金管理", "open_shift", {{"当班人"}}, QStringLiteral("\"已结\" = 0")),
        Unique("保管费收入", "open_shift", {{"当班人"}}, QStringLiteral("\"已结\" = 0")),
        Plain("包裹物品管理", "business_no", {{"业务编号"}}),
        Plain("包裹物品管理", "clerk_unsettled", {{"受理人"}, {"结账"}}),
    };
}

// Codes that the edit forms test for duplicates before they insert.
QList<Index> MasterDataIndexes() {
    return {
        Unique("操作员", "code", {{"操作员代号"}}),
        Plain("操作权限", "operator", {{"操作员代号"}}),
        Plain("操作权限", "operator_module_key", {{"操作员代号", "模块名称"}}),
        Unique("行车线路表", "code", {{"线路编号"}}),
        Unique("票价表", "code", {{"站点编号"}}),
        Unique("客车", "code", {{"客车编号"}}),
        Unique("站台客车", "trip", {{"车次"}}),
        Plain("站台客车", "card", {{"IC卡号"}}),
        Unique("发车表", "trip", {{"车次"}}),
        Plain("票价表节日", "date_stop_key", {{"调价日期", "站点编号"}}),
        Plain("票价表节日", "stop", {{"站点编号"}}),
        Unique("ZSdes", "name", {{"证书名称"}}),
        Plain("客车安检", "open_inspection", {{"客车编号"}, {"离站时间"}}),
    };
}

QList<Index> SettlementIndexes() {
    return {
        Plain("车次日结单", "sheet", {{"日结单号"}}),
        Plain("车次日结单_往日", "sheet", {{"日结单号"}}),
        Plain("车次月结单", "sheet", {{"日结单号"}}),
        Plain("车次月结单_往日", "sheet", {{"日结单号"}}),
        Plain("车次月结单_往日", "settlement", {{"结算号"}}),
        Plain("应交费用表", "payer_item_key", {{"交费人", "收费项目"}}),
        Plain("已交费用表", "month_key", {{"年度", "月"}}),
        Plain("已交费用表", "settlement", {{"结算号"}}),
        Plain("行李保管费汇总", "month_key", {{"年度", "月份"}}),
        Plain("Z日各站售出情况", "day_key", {{"年月", "日"}}),
        Plain("Z月各站售出情况", "month_key", {{"年", "月"}}),
    };
}

}  // namespace

const QList<Index>& Indexes() {
    static const QList<Index> indexes =
        TicketIndexes() + ShiftIndexes() + MasterDataIndexes() + SettlementIndexes();
    return indexes;
}

}  // namespace schema
