#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

#include "network/fare_class.h"

class AppServer;
class RecordView;

// The row of a stop on a festival date, found by the key 调价日期+站点编号.
QString FestivalFareLookup(QDate travelDate, QStringView stopCode);
// The stop's row of the ordinary fare table.
QString OrdinaryFareLookup(QStringView stopCode);

// The six classes of a row of either fare table.
ClassFares ClassFaresOf(const RecordView& row);

// The fares of a stop for a travel date: the festival row of that date when there is one, else
// the stop's ordinary fares; nothing when the stop has neither.
std::optional<ClassFares> FaresForTravelDate(AppServer& server, QDate travelDate, QStringView stopCode);
