#pragma once

#include <QString>

// Names the client and the server agree on: the data providers and the tables the code reads or
// writes. A table name is written as the database knows it.
namespace provider {

// Command-text providers: they run the statement set as the dataset's command text.
inline const QString Query = QStringLiteral("QueryPV");
inline const QString Query0 = QStringLiteral("Query0PV");
inline const QString Query3 = QStringLiteral("Query3PV");
inline const QString Workmony = QStringLiteral("WorkmonyPV");
inline const QString Bustime = QStringLiteral("Bustimepv");

// Fixed providers: each delivers one table.
inline const QString Operators = QStringLiteral("operpv");
inline const QString Department = QStringLiteral("deppv");
inline const QString OperatorRights = QStringLiteral("oprigthpv");
inline const QString Buses = QStringLiteral("buspv");
inline const QString Routes = QStringLiteral("roadspv");
inline const QString Stops = QStringLiteral("stationpv");
inline const QString Timetable = QStringLiteral("stabuspv");
inline const QString Fares = QStringLiteral("tickpricepv");
inline const QString SoldTickets = QStringLiteral("SaledTickspv");
inline const QString SystemParameters = QStringLiteral("SystemdataPV");
inline const QString FeesDue = QStringLiteral("CostUserPV");

}  // namespace provider

namespace table {

inline const QString SystemParameters = QStringLiteral("系统参数表");
inline const QString Department = QStringLiteral("部门信息");
inline const QString Operators = QStringLiteral("操作员");
inline const QString OperatorRights = QStringLiteral("操作权限");
inline const QString OperationLog = QStringLiteral("操作记录");
inline const QString Routes = QStringLiteral("行车线路表");
inline const QString Fares = QStringLiteral("票价表");
inline const QString Bays = QStringLiteral("站台");
inline const QString Buses = QStringLiteral("客车");
inline const QString Timetable = QStringLiteral("站台客车");
inline const QString Departures = QStringLiteral("发车表");
inline const QString SoldTickets = QStringLiteral("已售车票");
inline const QString SoldTicketsHistory = QStringLiteral("已售车票_往日");
inline const QString SeatCounters = QStringLiteral("DeskList");
inline const QString Reprints = QStringLiteral("重打车票");
inline const QString CashShifts = QStringLiteral("现金管理");
inline const QString FeesDue = QStringLiteral("应交费用表");

}  // namespace table
