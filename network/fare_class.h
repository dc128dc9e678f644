#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

#include "common/money.h"

// The six fare classes of the fare tables, each a column of its own.
enum class FareClass { First, Second, Third, Fourth, Fifth, Sixth };

inline constexpr std::array<FareClass, 6> kFareClasses = {
    FareClass::First, FareClass::Second, FareClass::Third,
    FareClass::Fourth, FareClass::Fifth, FareClass::Sixth};

// 一类价 … 六类价
QString FareClassColumn(FareClass fareClass);
std::optional<FareClass> FareClassFromColumn(QStringView column);

// One price per class.
struct ClassFares {
    std::array<Money, 6> prices{};

    Money& operator[](FareClass fareClass) { return prices[static_cast<size_t>(fareClass)]; }
    Money operator[](FareClass fareClass) const { return prices[static_cast<size_t>(fareClass)]; }
    bool operator==(const ClassFares&) const = default;
};
