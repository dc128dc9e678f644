#pragma once

#include <QString>
#include <QStringList>

class AppServer;

// Rebuilding today's departure table (发车表) from the timetable: departed rows ("开出") stay as
// they are; a row being checked ("是") stays untouched, counts included, while its trip still runs
// today, and drops out when it no longer does; every other row is made again from today's open
// trips. Rows being checked are never rewritten, so a sale that moves their 售出 at the same time
// is not lost. The statements are one group, to be run all or none.
QStringList DepartureTableRefreshStatements();

// Runs the group on the server; the number of rows the table gained.
int RefreshDepartureTable(AppServer& server);

// What the two views say afterwards: the departures view and the timetable view.
QString DeparturesRefreshedMessage(int added);
QString TimetableDeparturesRefreshedMessage(int added);
