#include "appserver/schema/column_builders.h"
#include "appserver/schema/table_groups.h"

namespace schema {

namespace {

using namespace build;

QList<Column> BoardedByKind() {
    return {counter("上车人数"), counter("全票"), counter("半票")};
}

QList<Column> SalesTotals() {
    return {counter("售出票数"), counter("退票数"), money("票款金额"), counter("保险额")};
}

}  // namespace

// Filled by the server's daily summary; workstations read the first two and empty all of them.
QList<Table> SummaryTables() {
    return {
        Table{"Z日各站售出情况",
              QList<Column>{text("年月", 6), text("日", 2), text("到站", 12)} + BoardedByKind(),
              {}},
        Table{"Z月各站售出情况",
              QList<Column>{text("年", 4), text("月", 2), text("到站", 12)} + BoardedByKind(),
              {}},
        Table{"每日车次售票汇总",
              QList<Column>{text("乘车日期", 10), text("车次", 5), text("行车方向", 20)} + SalesTotals(),
              {}},
        Table{"每月各日售票汇总", QList<Column>{text("年月", 7), text("日", 2)} + SalesTotals(), {}},
        Table{"每年各月售票汇总", QList<Column>{text("年度", 4), text("月份", 2)} + SalesTotals(), {}},
    };
}

}  // namespace schema
