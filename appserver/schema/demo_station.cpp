#include "appserver/schema/catalogue.h"

#include <array>

#include "common/format_stamp.h"
#include "common/money.h"
#include "common/sql.h"

namespace schema {

namespace {

const QString kStationName = QStringLiteral("青禾汽车站");
const QString kStationPhone = QStringLiteral("0763-3300001");
constexpr int kCounterDaysAhead = 6;

struct Stop {
    const char* code;
    const char* name;
    int kilometres;
    int ordinaryFare;  // yuan, the second class
};

const std::array<Stop, 10> kStops{{
    {"76301", "连江", 45, 12},
    {"76302", "源潭", 70, 18},
    {"2001", "花都", 95, 25},
    {"20", "广州", 120, 32},
    {"769", "东莞", 150, 55},
    {"755", "深圳", 210, 75},
    {"76303", "英德", 60, 16},
    {"75102", "翁源", 110, 28},
    {"751", "韶关", 150, 38},
    {"75101", "南雄", 230, 58},
}};

// Each class as a percentage of the ordinary fare: the express class above it, the guide price
// (sixth class) highest.
constexpr std::array<int, 6> kClassPercent{120, 100, 90, 80, 110, 150};

struct Route {
    const char* code;
    const char* name;
    const char* stops;  // travel order, separated by a backslash
};

const std::array<Route, 3> kRoutes{{
    {"1001", "广州班", "连江\\源潭\\花都\\广州"},
    {"1002", "深圳班", "东莞\\深圳"},
    {"1003", "韶关班", "英德\\翁源\\韶关\\南雄"},
}};

struct Bus {
    const char* code;
    const char* kind;
    const char* plate;
    int seats;
    const char* bought;
    const char* owner;
    const char* ownerPhone;
    const char* company;
    const char* drivers;
};

const std::array<Bus, 8> kBuses{{
    {"12301", "豪华空调大巴", "粤R12301", 45, "2006-03", "黄志强", "13902630001", "青禾汽车运输有限公司",
     "黄志强"},
    {"12302", "豪华空调大巴", "粤R12302", 45, "2006-03", "黄志强", "13902630001", "青禾汽车运输有限公司",
     "刘海 赵明"},
    {"23115", "空调中巴", "粤R23115", 35, "2005-09", "何家伟", "13902630002", "青禾城北客运队", "何家伟"},
    {"23116", "空调中巴", "粤R23116", 35, "2007-01", "何家伟", "13902630002", "青禾城北客运队", "孙立"},
    {"30218", "卧铺大巴", "粤R30218", 39, "2004-11", "梁永康", "13902630003", "青禾长途客运公司",
     "梁永康 吴斌"},
    {"30219", "豪华空调大巴", "粤R30219", 49, "2007-06", "梁永康", "13902630003", "青禾长途客运公司", "郑凯"},
    {"41007", "普通中巴", "粤R41007", 29, "2003-05", "罗建华", "13902630004", "青禾城南客运队", "罗建华"},
    {"41008", "普通中巴", "粤R41008", 29, "2003-05", "罗建华", "13902630004", "青禾城南客运队", "冯涛"},
}};

const std::array<const char*, 4> kBays{"01号卡位", "02号卡位", "03号卡位", "04号卡位"};

struct Trip {
    const char* code;
    int route;
    const char* departure;
    bool express;
    int bus;
    int bay;  // the gate has the bay's number
    const char* rule;
    bool runsToday;
    bool lastOfDay;
};

const std::array<Trip, 20> kTrips{{
    {"1101", 0, "06:30", false, 0, 0, "A", true, false},
    {"1102", 0, "07:30", true, 1, 1, "A", true, false},
    {"1103", 0, "08:30", false, 2, 0, "A", true, false},
    {"1104", 0, "10:00", true, 0, 1, "A", true, false},
    {"1105", 0, "12:00", false, 1, 0, "A", true, false},
    {"1106", 0, "14:00", false, 2, 0, "C1,3,5", true, false},
    {"1107", 0, "16:00", true, 0, 1, "A", true, false},
    {"1108", 0, "18:30", false, 1, 0, "A", true, true},
    {"1201", 1, "07:00", true, 3, 2, "A", true, false},
    {"1202", 1, "09:00", false, 4, 2, "A", true, false},
    {"1203", 1, "11:30", true, 5, 2, "A", true, false},
    {"1204", 1, "13:30", false, 3, 2, "A", true, false},
    {"1205", 1, "15:30", true, 4, 2, "A", true, false},
    {"1206", 1, "17:30", false, 5, 2, "A", true, true},
    {"1301", 2, "07:15", false, 6, 3, "A", true, false},
    {"1302", 2, "09:45", true, 7, 3, "A", true, false},
    {"1303", 2, "12:30", false, 6, 3, "A", true, false},
    {"1304", 2, "14:45", false, 7, 3, "B", true, false},
    {"1305", 2, "16:45", true, 6, 3, "A", true, true},
    {"1306", 2, "19:00", false, 7, 3, "E", false, false},
}};

struct ModuleRights {
    const char* role;
    std::array<const char*, 3> modules;
};

const std::array<ModuleRights, 3> kRightsByRole{{
    {"售票员", {"售票登记", "售票系统", "售座情况"}},
    {"检票员", {"检票系统", "报班情况", "车次日结"}},
    {"财务人员", {"售票登记", "车次月结", "售座情况"}},
}};

QString Insert(const QString& table, const QStringList& columns, const QStringList& values) {
    return QStringLiteral("insert into %1 (%2) values(%3)").arg(table, columns.join(u','), values.join(u','));
}

QString Quote(const char* utf8) {
    return sqlText(QString::fromUtf8(utf8));
}

struct Assignment {
    const char* column;
    QString valueSql;
};

QString Insert(const QString& table, const QList<Assignment>& assignments) {
    QStringList columns;
    QStringList values;
    for (const Assignment& assignment : assignments) {
        columns.append(QString::fromUtf8(assignment.column));
        values.append(assignment.valueSql);
    }
    return Insert(table, columns, values);
}

QString Organisation() {
    return Insert("部门信息", {
                                  {"部门名称", sqlText(kStationName)},
                                  {"所在省份", Quote("广东省")},
                                  {"所在地市", Quote("青禾市")},
                                  {"所在县区", Quote("城北区")},
                                  {"所在街道", Quote("迎宾大道18号")},
                                  {"邮政编码", Quote("511500")},
                                  {"部门电话1", sqlText(kStationPhone)},
                                  {"部门电话2", Quote("0763-3300002")},
                                  {"负责人姓名", Quote("周建国")},
                                  {"负责人电话", Quote("13902639999")},
                              });
}

// The parameter row with the values a workstation writes on its first start.
QString SystemParameters() {
    const QString receiptFooter = kStationName + QString(7, u' ') + QStringLiteral("电话：") + kStationPhone;
    return Insert("系统参数表", {
                                    {"可预售天数", "14"},
                                    {"半票率", "50"},
                                    {"小数位", "1"},
                                    {"售票记录保留天数", "10"},
                                    {"票款结算记录保留天数", "100"},
                                    {"车次汇总记录保留天数", "100"},
                                    {"各月汇总记录保留月数", "60"},
                                    {"系统操作日志保留天数", "7"},
                                    {"票价浮动", "0"},
                                    {"业户交费资料保留年数", "3"},
                                    {"保管费", "5"},
                                    {"保费汇总资料保留年数", "3"},
                                    {"保费日常资料保留天数", "45"},
                                    {"保管费小票标题", Quote("行李物品保管中心")},
                                    {"保管费小票脚标", sqlText(receiptFooter)},
                                    {"保费小票左边界", "20"},
                                    {"保费小票上边界", "0"},
                                    {"小票宽", "880"},
                                    {"小票高", "820"},
                                    {"是否打印小票", sqlBool(true)},
                                    {"安检编号起始码", Quote("R31-")},
                                    {"例检单位", Quote("青禾汽车站车辆安全检测中心")},
                                    {"安检合格通知标题1", Quote("广东省汽车客运班车报班")},
                                    {"安检合格通知标题2", Quote("安全例检合格通知书")},
                                    {"套打安检通知单", sqlBool(false)},
                                    {"NeedCheck", sqlBool(false)},
                                    {"PrnLDhj", "16"},
                                    {"PrnLDhx", "5"},
                                    {"车票宽", "1"},
                                    {"条码大小", "0"},
                                    {"停止售票", "3"},
                                    {"加收费用", sqlMoney(Money())},
                                    {"扣减费用", sqlMoney(Money())},
                                    {"车票条码类型", Quote(" ")},
                                    {"PrnSelf", sqlBool(false)},
                                    {"手工检票密码", Quote("59317286")},
                                });
}

QStringList Routes() {
    QStringList statements;
    for (const Route& route : kRoutes) {
        statements.append(Insert("行车线路表", {"线路编号", "线路名称", "沿途停靠站"},
                                 {Quote(route.code), Quote(route.name), Quote(route.stops)}));
    }
    return statements;
}

QStringList StopsAndFares() {
    QStringList statements;
    for (const Stop& stop : kStops) {
        QStringList values{Quote(stop.code), Quote(stop.name), sqlInt(stop.kilometres)};
        for (int percent : kClassPercent) {
            values.append(
                sqlMoney(Money::fromYuan(stop.ordinaryFare).scaled(percent, 100).halfUpToHalfYuan()));
        }
        statements.append(Insert(
            "票价表",
            {"站点编号", "站点名称", "路程", "一类价", "二类价", "三类价", "四类价", "五类价", "六类价"},
            values));
    }
    return statements;
}

QStringList Bays() {
    QStringList statements;
    for (const char* bay : kBays)
        statements.append(Insert("站台", {"站台卡位"}, {Quote(bay)}));
    return statements;
}

QStringList Buses() {
    QStringList statements;
    for (const Bus& bus : kBuses) {
        statements.append(Insert("客车", {
                                             {"客车编号", Quote(bus.code)},
                                             {"客车名称", Quote(bus.kind)},
                                             {"车牌号码", Quote(bus.plate)},
                                             {"座位数", sqlInt(bus.seats)},
                                             {"购买日期", Quote(bus.bought)},
                                             {"车主姓名", Quote(bus.owner)},
                                             {"车主电话", Quote(bus.ownerPhone)},
                                             {"车属单位", Quote(bus.company)},
                                             {"驾驶员", Quote(bus.drivers)},
                                             {"IC卡号", Quote("")},
                                         }));
    }
    return statements;
}

// Express trips sell to the terminal only, at the first class; ordinary trips sell to every stop.
QString TimetableRow(const Trip& trip) {
    const Route& route = kRoutes[trip.route];
    const Bus& bus = kBuses[trip.bus];
    return Insert("站台客车", {
                                  {"车次", Quote(trip.code)},
                                  {"行车线路", Quote(route.code)},
                                  {"线路名称", Quote(route.name)},
                                  {"类型", Quote(trip.express ? "直达" : "普通")},
                                  {"发车时间", Quote(trip.departure)},
                                  {"进站客车", Quote(bus.code)},
                                  {"中途", Quote(trip.express ? "不售" : "可售")},
                                  {"票价类型", Quote(trip.express ? "一类价" : "二类价")},
                                  {"停靠站台", Quote(kBays[trip.bay])},
                                  {"检票口", sqlText(QString::number(trip.bay + 1))},
                                  {"司机", Quote(bus.drivers)},
                                  {"跟车员", Quote("")},
                                  {"状态", Quote(trip.runsToday ? "开" : "停")},
                                  {"开停条件", Quote(trip.rule)},
                                  {"起始座号", "1"},
                                  {"默认客车", Quote(bus.code)},
                                  {"末班车", sqlBool(trip.lastOfDay)},
                                  {"加售分钟", "0"},
                                  {"运行计划", Quote("双程")},
                                  {"路单有效期", "1"},
                                  {"IC卡号", Quote("")},
                                  {"停刷", sqlBool(false)},
                                  {"检到车次", Quote("")},
                              });
}

QStringList Timetable() {
    QStringList statements;
    for (const Trip& trip : kTrips)
        statements.append(TimetableRow(trip));
    return statements;
}

// Today's departures are made from the timetable the way a dispatcher's refresh makes them.
QString TodaysDepartures() {
    return QStringLiteral(
        "insert into 发车表 (车次,线路名称,类型,发车时间,停靠站台,检票,检票口) "
        "select 车次,线路名称,类型,发车时间,停靠站台,'否',检票口 from 站台客车 "
        "where (状态='开' and 车次 not in (select 车次 from 发车表))");
}

// Seat counters of the trips on sale for today and the days ahead, every seat free.
QStringList SeatCounters(const QDate& today) {
    QStringList statements;
    for (int day = 0; day <= kCounterDaysAhead; ++day) {
        const QString date = FormatStamp(26, QDateTime(today.addDays(day), QTime(0, 0)));
        for (const Trip& trip : kTrips) {
            const bool onSale = day == 0 ? trip.runsToday : QByteArray(trip.rule) != "E";
            if (!onSale)
                continue;
            statements.append(Insert("DeskList", {"DATE0", "CCNO", "DESK", "SSUM"},
                                     {sqlText(date), Quote(trip.code), sqlText(QString(60, u'0')), "0"}));
        }
    }
    return statements;
}

QStringList OperatorRights() {
    QStringList statements;
    for (const DemoOperator& demoOperator : DemoOperators()) {
        for (const ModuleRights& rights : kRightsByRole) {
            if (demoOperator.role != QString::fromUtf8(rights.role))
                continue;
            for (const char* module : rights.modules) {
                statements.append(Insert(
                    "操作权限", {"操作员代号", "模块名称", "新增权", "修改权", "删除权", "查找权", "打印权"},
                    {sqlText(demoOperator.code), Quote(module), "1", "1", "1", "1", "1"}));
            }
        }
    }
    return statements;
}

}  // namespace

QStringList DemoStatements(const QDate& today) {
    QStringList statements{Organisation(), SystemParameters()};
    statements += Routes();
    statements += StopsAndFares();
    statements += Bays();
    statements += Buses();
    statements += Timetable();
    statements.append(TodaysDepartures());
    statements += SeatCounters(today);
    statements += OperatorRights();
    return statements;
}

QList<DemoOperator> DemoOperators() {
    return {
        {"0000", "管理员", "系统管理员", "admin"}, {"1001", "李红", "售票员", "1234"},
        {"1002", "王芳", "售票员", "1234"},        {"2001", "张伟", "检票员", "1234"},
        {"3001", "陈静", "财务人员", "1234"},
    };
}

}  // namespace schema
