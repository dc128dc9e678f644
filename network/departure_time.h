#pragma once

#include <QStringView>
#include <optional>

// Minutes after midnight of a departure time written exactly "HH:MM" (00:00 .. 23:59); nothing
// for any other text, such as "8:05", "24:00", "08:60" or "08.05".
std::optional<int> DepartureMinutes(QStringView text);
