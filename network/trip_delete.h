#pragma once

#include <QString>
#include <QStringView>
#include <optional>

class AppServer;

QString TripTicketCountQuery(QStringView tripCode);
QString TripDelete(QStringView tripCode);

// Deletes a trip from the timetable. With checkTickets (the database reports the kind "SQL") a
// trip that has tickets of any date is kept and the message to show comes back.
std::optional<QString> DeleteTrip(AppServer& server, QStringView tripCode, bool checkTickets);
