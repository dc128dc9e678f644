#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <optional>

// A trip code is four characters. All digits: the trip is sold by seat number. A letter first and
// "00" last (A100, AB00): the trip is sold without seat numbers and its tickets carry a running
// number.
enum class TripCodeKind { SoldBySeat, SoldWithoutSeats, Invalid };

TripCodeKind ClassifyTripCode(QStringView code);

// The code a refused entry is replaced with; a trip with this code cannot be saved.
inline const QString kRefusedTripCode = QStringLiteral("0000");

// A key typed into the code edit: letters come back upper-cased, digits, backspace, Tab and Enter
// as they are; anything else is refused.
std::optional<QChar> AcceptedTripCodeKey(QChar typed);

// The check made when the code edit is left: the message to show (lines separated by "\n"), after
// which the edit holds kRefusedTripCode; nothing when the code is accepted as typed. A code
// shorter than four characters passes here and is refused when the trip is saved.
std::optional<QString> TripCodeRefusalOnLeave(QStringView code);
