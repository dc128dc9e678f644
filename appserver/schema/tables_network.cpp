#include "appserver/schema/column_builders.h"
#include "appserver/schema/table_groups.h"

namespace schema {

namespace {

using namespace build;

// The six fare classes in the order the fare table lists them.
QList<Column> FareClassesAscending() {
    return {money("一类价"), money("二类价"), money("三类价"),
            money("四类价"), money("五类价"), money("六类价")};
}

}  // namespace

QList<Table> NetworkTables() {
    return {
        Table{"行车线路表",
              {
                  requiredText("线路编号", 5),
                  text("线路名称", 20),
                  text("沿途停靠站", 200),
              },
              {}},
        Table{"票价表",
              QList<Column>{
                  requiredText("站点编号", 6),
                  text("站点名称", 12),
                  counter("路程"),
              } + FareClassesAscending(),
              {}},
        Table{"站台", {text("站台卡位", 16)}, {}},
        // A bus added with only its code and name sells ten seats until its form stores the count.
        Table{"客车",
              {
                  requiredText("客车编号", 15),
                  text("客车名称", 20),
                  text("车牌号码", 16),
                  Column{"座位数", ColumnType::Integer, 0, false, "10"},
                  text("购买日期", 7),
                  text("车主姓名", 10),
                  text("车主电话", 14),
                  text("车属单位", 32),
                  text("驾驶员", 20),
                  text("IC卡号", 24),
              },
              {}},
        // The timetable. A new trip is inserted with its code and time only and completed by an
        // update of every column, so the counters start at 0 and the first seat at 1.
        Table{"站台客车",
              {
                  requiredText("车次", 5),
                  text("行车线路", 5),
                  text("线路名称", 20),
                  text("类型", 4),
                  text("发车时间", 5),
                  text("进站客车", 15),
                  text("中途", 4),
                  text("票价类型", 8),
                  text("停靠站台", 16),
                  text("检票口", 6),
                  text("司机", 20),
                  text("跟车员", 10),
                  text("状态", 4),
                  text("开停条件", 90),
                  Column{"起始座号", ColumnType::Integer, 0, false, "1"},
                  text("默认客车", 15),
                  flag("末班车"),
                  counter("加售分钟"),
                  text("运行计划", 8),
                  counter("路单有效期"),
                  text("IC卡号", 30, "''"),
                  flag("停刷"),
                  text("检到车次", 5, "''"),
              },
              {}},
        // Today's departures: rows are copied from the timetable with the route, time, bay and gate
        // only, so the checking columns start empty and the counts at 0.
        Table{"发车表",
              {
                  requiredText("车次", 5),
                  text("线路名称", 20),
                  text("类型", 4),
                  text("发车时间", 5),
                  text("停靠站台", 16),
                  text("检票口", 6),
                  text("检票", 4, "'否'"),
                  text("承运客车", 15, "''"),
                  counter("座位数"),
                  text("车属单位", 32, "''"),
                  counter("售出"),
                  counter("已检"),
                  text("检到车次", 5, "''"),
              },
              {}},
        Table{"票价表节日",
              {
                  requiredText("调价日期", 8),
                  requiredText("站点编号", 6),
                  text("站点名称", 12),
                  money("六类价"),
                  money("五类价"),
                  money("四类价"),
                  money("三类价"),
                  money("二类价"),
                  money("一类价"),
              },
              {}},
        Table{"IC卡报班记录",
              {
                  text("IC卡号", 30),
                  text("刷卡时间", 19),
                  text("车次", 5),
                  text("行车方向", 20),
                  text("乘车时间", 5),
                  text("客车编号", 15),
                  text("类型", 10),
              },
              {}},
    };
}

}  // namespace schema
