#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

class AppServer;

// How far the sale and the boarding of one trip on one travel date have come, counted in tickets.
struct TripSaleSummary {
    qint64 sold = 0;      // sold and not refunded
    qint64 checking = 0;  // checked at the gate, bus not yet gone
    qint64 sent = 0;      // gone with the bus

    qint64 notChecked() const { return sold - checking - sent; }
    // "共售出：<sold>    正在检：<checking>    未检：<not checked>    已发送：<sent>"
    QString line() const;
};

QString SoldTicketCountQuery(QDate travelDate, QStringView tripCode);
QString CheckingTicketCountQuery(QDate travelDate, QStringView tripCode);
QString SentTicketCountQuery(QDate travelDate, QStringView tripCode);
// The trip's tickets from the travel date on, for the detail window.
QString TripTicketsFromQuery(QDate travelDate, QStringView tripCode);

TripSaleSummary ReadTripSaleSummary(AppServer& server, QDate travelDate, QStringView tripCode);
