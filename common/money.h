#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

// An amount of money as a whole count of ten-thousandths of a yuan. No amount is ever held in a
// floating-point number; every rounding rule is written in integer arithmetic.
class Money {
public:
    static constexpr int64_t kUnitsPerYuan = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(int64_t units) { return Money(units); }
    static constexpr Money fromYuan(int64_t yuan) { return Money(yuan * kUnitsPerYuan); }

    // Decimal text with a full stop and at most four decimals ("12.5", "-3", " 0.25 ", "+7.").
    // Anything else (a comma, five decimals, letters, an empty text) gives no value.
    static std::optional<Money> parse(QStringView text);

    constexpr int64_t units() const { return units_; }
    constexpr bool isWholeYuan() const { return units_ % kUnitsPerYuan == 0; }

    // The shortest decimal form of the yuan value: "25", "12.5", "-0.0001".
    QString toText() const;
    // Always four decimals: "25.0000".
    QString toFixedText() const;

    // Rounding to whole or half yuan. Half up moves exact halves towards the larger amount.
    Money truncToYuan() const;       // towards zero
    Money floorToYuan() const;       // towards the smaller amount
    Money ceilToYuan() const;        // towards the larger amount
    Money halfUpToYuan() const;      // nearest yuan, .5 goes up
    Money ceilToHalfYuan() const;    // next multiple of 0.5 yuan at or above
    Money halfUpToHalfYuan() const;  // nearest multiple of 0.5 yuan, a tie goes up

    // amount * numerator / denominator, rounded to the nearest unit with ties to even
    // (for percentages: scaled(p, 100)). The denominator must not be 0.
    Money scaled(int64_t numerator, int64_t denominator) const;

    constexpr Money operator-() const { return Money(-units_); }
    constexpr Money operator+(Money o) const { return Money(units_ + o.units_); }
    constexpr Money operator-(Money o) const { return Money(units_ - o.units_); }
    constexpr Money operator*(int64_t n) const { return Money(units_ * n); }
    constexpr Money& operator+=(Money o) { units_ += o.units_; return *this; }
    constexpr Money& operator-=(Money o) { units_ -= o.units_; return *this; }
    constexpr auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(int64_t units) : units_(units) {}
    Money roundedTo(int64_t step, int64_t bias) const;

    int64_t units_ = 0;
};
