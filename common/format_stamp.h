#pragma once

#include <QDateTime>
#include <QString>

// The one formatter of dates and times. Every date or time text that is stored, compared or
// printed is built here, so texts of one layout sort in time order and compare as plain texts.
// Seconds follow minutes after a full stop, never a colon. An unknown layout code gives "".
QString FormatStamp(int code, const QDateTime& moment);

// A clock time "HH:MM" moved earlier by `minutes` (clamped to -60..60; negative moves it later),
// wrapping around midnight. An empty time stands for "05:00".
QString ShiftTime(const QString& clockTime, int minutes);

// Digits of `value` with leading zeros to exactly `width` characters (a longer number loses its
// leading digits); a negative value is "-" followed by width - 1 digits. Width at most 17.
QString ZeroPad(qint64 value, int width);

// Digits of `value` followed by blanks, cut to exactly `width` characters.
QString SpacePad(qint64 value, int width);
