#pragma once

#include <QDate>
#include <QDateTime>
#include <QStringView>

#include "network/sale_cutoff.h"

class RecordView;

// Whether the sale desk offers a trip for a travel date at the moment `now`: today while it is on
// sale, a later day by its open/stop rule, an earlier day never.
bool TripOfferedOn(const TripSaleTimes& trip, QStringView openStopRule, QDate travelDate, const QDateTime& now,
                   int stopSaleMinutes);

// The sale times of a row of the timetable (站台客车).
TripSaleTimes TripSaleTimesOf(const RecordView& timetableRow);
