#include "network/lunar_calendar.h"

#include <array>
#include <cstdint>

namespace {

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

// One word per lunar year from 1901: from bit 15 down, one bit per month in calendar order, the
// leap month's bit right after the month it repeats; a set bit is a month of 30 days, a clear bit
// one of 29. The words of 1914, 1915, 1916, 1920, 1989, 2013 and 2025 were mended after a check of
// the whole range against two independent calendars; the copies in circulation carry slips there.
constexpr std::array<uint16_t, 150> kMonthBits = {
    0x4AE0, 0xA570, 0x5268, 0xD260, 0xD950, 0x6AA8, 0x56A0, 0x9AD0, 0x4AE8, 0x4AE0,  // 1901-1910
    0xA4D8, 0xA4D0, 0xD250, 0xD528, 0xB540, 0xD6A0, 0x96D0, 0x95B0, 0x49B8, 0x4970,  // 1911-1920
    0xA4B0, 0xB258, 0x6A50, 0x6D40, 0xADA8, 0x2B60, 0x9570, 0x4978, 0x4970, 0x64B0,  // 1921-1930
    0xD4A0, 0xEA50, 0x6D48, 0x5AD0, 0x2B60, 0x9370, 0x92E0, 0xC968, 0xC950, 0xD4A0,  // 1931-1940
    0xDA50, 0xB550, 0x56A0, 0xAAD8, 0x25D0, 0x92D0, 0xC958, 0xA950, 0xB4A8, 0x6CA0,  // 1941-1950
    0xB550, 0x55A8, 0x4DA0, 0xA5B0, 0x52B8, 0x52B0, 0xA950, 0xE950, 0x6AA0, 0xAD50,  // 1951-1960
    0xAB50, 0x4B60, 0xA570, 0xA570, 0x5260, 0xE930, 0xD950, 0x5AA8, 0x56A0, 0x96D0,  // 1961-1970
    0x4AE8, 0x4AD0, 0xA4D0, 0xD268, 0xD250, 0xD528, 0xB540, 0xB6A0, 0x96D0, 0x95B0,  // 1971-1980
    0x49B0, 0xA4B8, 0xA4B0, 0xB258, 0x6A50, 0x6D40, 0xADA0, 0xAB60, 0x9570, 0x4978,  // 1981-1990
    0x4970, 0x64B0, 0x6A50, 0xEA50, 0x6B28, 0x5AC0, 0xAB60, 0x9368, 0x92E0, 0xC960,  // 1991-2000
    0xD4A8, 0xD4A0, 0xDA50, 0x5AA8, 0x56A0, 0xAAD8, 0x25D0, 0x92D0, 0xC958, 0xA950,  // 2001-2010
    0xB4A0, 0xB550, 0xAD50, 0x55A8, 0x4BA0, 0xA5B0, 0x52B8, 0x52B0, 0xA930, 0x74A8,  // 2011-2020
    0x6AA0, 0xAD50, 0x4DA8, 0x4B60, 0xA570, 0xA4E0, 0xD260, 0xE930, 0xD530, 0x5AA0,  // 2021-2030
    0x6B50, 0x96D0, 0x4AE8, 0x4AD0, 0xA4D0, 0xD258, 0xD250, 0xD520, 0xDAA0, 0xB5A0,  // 2031-2040
    0x56D0, 0x4AD8, 0x49B0, 0xA4B8, 0xA4B0, 0xAA50, 0xB528, 0x6D20, 0xADA0, 0x55B0,  // 2041-2050
};

// Two years to a byte: the year with even (year - 1901) in the high half, the next one in the low.
constexpr std::array<uint8_t, 75> kLeapMonths = {
    0x00, 0x50, 0x04, 0x00, 0x20,  // 1901-1910
    0x60, 0x05, 0x00, 0x20, 0x70,  // 1911-1920
    0x05, 0x00, 0x40, 0x02, 0x06,  // 1921-1930
    0x00, 0x50, 0x03, 0x07, 0x00,  // 1931-1940
    0x60, 0x04, 0x00, 0x20, 0x70,  // 1941-1950
    0x05, 0x00, 0x30, 0x80, 0x06,  // 1951-1960
    0x00, 0x40, 0x03, 0x07, 0x00,  // 1961-1970
    0x50, 0x04, 0x08, 0x00, 0x60,  // 1971-1980
    0x04, 0x0A, 0x00, 0x60, 0x05,  // 1981-1990
    0x00, 0x30, 0x80, 0x05, 0x00,  // 1991-2000
    0x40, 0x02, 0x07, 0x00, 0x50,  // 2001-2010
    0x04, 0x09, 0x00, 0x60, 0x04,  // 2011-2020
    0x00, 0x20, 0x60, 0x05, 0x00,  // 2021-2030
    0x30, 0xB0, 0x06, 0x00, 0x50,  // 2031-2040
    0x02, 0x07, 0x00, 0x50, 0x03,  // 2041-2050
};

// 1901-01-01 is day 11 of the eleventh month of lunar 1900, whose twelfth month has 30 days, so
// lunar 1901 begins 49 days later.
constexpr int kDaysBeforeLunar1901 = 49;
constexpr int kLastDayOfEleventhMonth1900 = 18;

bool inTable(int year) { return year >= kFirstYear && year <= kLastYear; }

int monthDaysFromBit(int year, int bit) {
    return (kMonthBits[static_cast<size_t>(year - kFirstYear)] >> bit) & 1 ? 30 : 29;
}

QDate tableStart() { return QDate(1901, 1, 1); }

}  // namespace

int LeapMonthOf(int year) {
    if (!inTable(year)) return 0;
    const int index = year - kFirstYear;
    const uint8_t pair = kLeapMonths[static_cast<size_t>(index / 2)];
    return index % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

LunarMonthLength LunarMonthDays(int year, int month) {
    if (month < 1 || month > 12) return {};
    if (!inTable(year)) return {30, 0};
    const int leap = LeapMonthOf(year);
    const int bit = (leap == 0 || month <= leap) ? 16 - month : 15 - month;
    LunarMonthLength length{monthDaysFromBit(year, bit), 0};
    if (month == leap) length.leapDays = monthDaysFromBit(year, bit - 1);
    return length;
}

int LunarYearDays(int year) {
    int days = 0;
    for (int month = 1; month <= 12; ++month) {
        const LunarMonthLength length = LunarMonthDays(year, month);
        days += length.days + length.leapDays;
    }
    return days;
}

QDate FirstLunarTableDay() { return tableStart(); }

QDate LastLunarTableDay() {
    qint64 days = kDaysBeforeLunar1901;
    for (int year = kFirstYear; year <= kLastYear; ++year) days += LunarYearDays(year);
    return tableStart().addDays(days - 1);
}

std::optional<LunarDate> LunarDateOf(QDate date) {
    if (!date.isValid()) return std::nullopt;
    qint64 n = tableStart().daysTo(date);
    if (n < 0) return std::nullopt;
    if (n <= kLastDayOfEleventhMonth1900) return LunarDate{1900, 11, static_cast<int>(n) + 11, false};
    if (n < kDaysBeforeLunar1901) return LunarDate{1900, 12, static_cast<int>(n) - kLastDayOfEleventhMonth1900, false};

    n -= kDaysBeforeLunar1901;
    int year = kFirstYear;
    while (year <= kLastYear && n >= LunarYearDays(year)) {
        n -= LunarYearDays(year);
        ++year;
    }
    if (year > kLastYear) return std::nullopt;

    const int leap = LeapMonthOf(year);
    for (int month = 1; month <= 12; ++month) {
        const LunarMonthLength length = LunarMonthDays(year, month);
        if (n < length.days) return LunarDate{year, month, static_cast<int>(n) + 1, false};
        n -= length.days;
        if (month == leap) {
            if (n < length.leapDays) return LunarDate{year, month, static_cast<int>(n) + 1, true};
            n -= length.leapDays;
        }
    }
    return std::nullopt;  // unreachable: n is below the year's days
}

QString LunarMonthName(int month) {
    static const QString numerals = QStringLiteral("正二三四五六七八九十");
    static const QString monthWord = QStringLiteral("月");
    if (month >= 1 && month <= 10) return numerals.at(month - 1) + monthWord;
    if (month == 11) return QStringLiteral("十一月");
    if (month == 12) return QStringLiteral("十二月");
    return QString();
}

QString LunarDayName(int day) {
    static const QString tens = QStringLiteral("初十廿三");
    static const QString digits = QStringLiteral("一二三四五六七八九十");
    if (day < 1 || day > 30) return QString();
    if (day == 20) return QStringLiteral("二十");
    if (day == 30) return QStringLiteral("三十");
    return QString(tens.at((day - 1) / 10)) + digits.at((day - 1) % 10);
}

QString WeekdayName(QDate date) {
    static const QString days = QStringLiteral("日一二三四五六");
    return QStringLiteral("星期") + days.at(date.dayOfWeek() % 7);
}

QString TravelDateLabel(QDate date) {
    const std::optional<LunarDate> lunar = LunarDateOf(date);
    if (!lunar) return WeekdayName(date);
    return LunarMonthName(lunar->month) + LunarDayName(lunar->day) + u' ' + WeekdayName(date);
}
