#include "network/departure_time.h"

namespace {

std::optional<int> twoDigits(QStringView text) {
    if (!text.at(0).isDigit() || !text.at(1).isDigit()) return std::nullopt;
    return text.at(0).digitValue() * 10 + text.at(1).digitValue();
}

}  // namespace

std::optional<int> DepartureMinutes(QStringView text) {
    if (text.size() != 5 || text.at(2) != u':') return std::nullopt;
    const std::optional<int> hour = twoDigits(text.first(2));
    const std::optional<int> minute = twoDigits(text.sliced(3));
    if (!hour || !minute || *hour > 23 || *minute > 59) return std::nullopt;
    return *hour * 60 + *minute;
}
