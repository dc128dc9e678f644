#pragma once

#include "appserver/schema/catalogue.h"

// The tables by the part of the station that owns them; the catalogue joins them in this order.
namespace schema {

QList<Table> OfficeTables();      // parameters, organisation, operators, rights, operation log
QList<Table> NetworkTables();     // routes, stops and fares, bays, buses, timetable, departures, cards
QList<Table> SaleTables();        // sold tickets, seat counters, reprints, seller shifts, cash sums
QList<Table> SettlementTables();  // trip settlement sheets, monthly settlements, charters, layouts
QList<Table> ServiceTables();     // left luggage, owner fees, safety inspections
QList<Table> SummaryTables();     // sales summed by stop, trip, day, month and year

}  // namespace schema
