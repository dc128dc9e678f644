#include "appserver/schema/column_builders.h"
#include "appserver/schema/table_groups.h"

namespace schema {

namespace {

using namespace build;

// The single row of station-wide parameters. The counters default to 0 because the first start
// writes the row as one insert of three columns followed by updates of the rest.
Table SystemParameters() {
    QList<Column> columns{
        counter("可预售天数"),
        counter("半票率"),
        counter("小数位"),
        counter("售票记录保留天数"),
        counter("票款结算记录保留天数"),
        counter("车次汇总记录保留天数"),
        counter("各月汇总记录保留月数"),
        counter("系统操作日志保留天数"),
        counter("票价浮动"),
        counter("业户交费资料保留年数"),
        counter("保管费"),
        counter("保费汇总资料保留年数"),
        counter("保费日常资料保留天数"),
        text("保管费小票标题", 20),
        text("保管费小票脚标", 40),
        counter("保费小票左边界"),
        counter("保费小票上边界"),
        counter("小票宽"),
        counter("小票高"),
        flag("是否打印小票"),
        text("安检编号起始码", 16),
        text("例检单位", 60),
        text("安检合格通知标题1", 50),
        text("安检合格通知标题2", 50),
        flag("套打安检通知单"),
        flag("NeedCheck"),
        counter("PrnLDhj"),
        counter("PrnLDhx"),
        counter("车票宽"),
        counter("车票高"),
        counter("车票左边界"),
        counter("车票上边界"),
        counter("条码大小"),
        counter("停止售票"),
        money("加收费用"),
        money("扣减费用"),
        text("车票条码类型", 30),
        flag("PrnSelf"),
        text("手工检票密码", 8),
        text("HZData", 30),
    };
    for (int n = 1; n <= 10; ++n) {
        columns.append(counter(QStringLiteral("T%1X").arg(n)));
        columns.append(counter(QStringLiteral("T%1Y").arg(n)));
    }
    return Table{"系统参数表", columns, {}};
}

}  // namespace

QList<Table> OfficeTables() {
    return {
        SystemParameters(),
        Table{"部门信息",
              {
                  text("部门名称", 40),
                  text("所在省份", 20),
                  text("所在地市", 20),
                  text("所在县区", 20),
                  text("所在街道", 40),
                  text("邮政编码", 10),
                  text("部门电话1", 20),
                  text("部门电话2", 20),
                  text("负责人姓名", 10),
                  text("负责人电话", 20),
              },
              {}},
        // The login reads the first four columns by position. The password column stays empty: the
        // server keeps salted hashes in a table of its own.
        Table{"操作员",
              {
                  requiredText("操作员代号", 10),
                  text("操作员姓名", 10),
                  text("操作员职务", 10),
                  text("操作员密码", 10),
              },
              {}},
        Table{"操作权限",
              {
                  requiredText("操作员代号", 10),
                  text("模块名称", 40),
                  flag("新增权"),
                  flag("修改权"),
                  flag("删除权"),
                  flag("查找权"),
                  flag("打印权"),
              },
              {}},
        Table{"操作记录",
              {
                  text("操作员代号", 10),
                  text("操作模块", 40),
                  text("操作机器", 40),
                  text("进入时间", 14),
                  text("退出时间", 20),
              },
              {}},
    };
}

}  // namespace schema
