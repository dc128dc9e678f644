#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "network/fare_class.h"

class AppServer;

// One row of 票价表节日: the six fares of one stop on one festival date (yyyymmdd).
struct FestivalFareRow {
    QString date;
    QString stopCode;
    QString stopName;
    ClassFares fares;
};

// A price raised by `percent` (negative lowers it), rounded half up to whole yuan: with P the
// price in ten-thousandths, the yuan are Trunc(((percent / 100 + 1) * P + 5000) / 10000), worked
// out exactly in integers.
Money RaisedFare(Money price, int percent);

// The listing and the date list of the festival fare window.
QString FestivalFaresQuery();
QString FestivalDatesQuery();

// One date made from rows of the fare table or of another date: one insert per row, under `date`.
QStringList FestivalDateInserts(const QList<FestivalFareRow>& rows, const QString& date);
QString FestivalDateDelete(const QString& date);
QString FestivalFaresClear();

// The update of one class, of all six classes (after a raise), and of the row editor.
QString FestivalClassUpdate(const FestivalFareRow& row, FareClass fareClass);
QString FestivalAllClassesUpdate(const FestivalFareRow& row);
QString FestivalRowEditorUpdate(const FestivalFareRow& row);

// Raises the listed rows of one class, or of all six when `fareClass` is empty, and gives the
// updates that store them.
QStringList RaiseFestivalFares(QList<FestivalFareRow>& rows, std::optional<FareClass> fareClass, int percent);

// Runs a group of these statements all or none, so a date is never left half made or half raised.
void SendFestivalFareStatements(AppServer& server, const QStringList& statements);
