#include "network/lunar_calendar.h"

#include <gtest/gtest.h>

#include "tests/support/qt_print.h"

void PrintTo(const LunarDate& date, std::ostream* out) {
    *out << date.year << '-' << date.month << (date.leapMonth ? " (leap) " : " ") << date.day;
}

namespace {

struct LabelCase {
    QDate date;
    LunarDate lunar;
    const char16_t* name;  // month and day name
};

TEST(LunarDateOf, GivesTheLunarDateAndItsName) {
    const LabelCase cases[] = {
        {QDate(1901, 1, 1), {1900, 11, 11, false}, u"十一月十一"},
        {QDate(1901, 1, 19), {1900, 11, 29, false}, u"十一月廿九"},
        {QDate(1901, 1, 20), {1900, 12, 1, false}, u"十二月初一"},
        {QDate(1901, 2, 18), {1900, 12, 30, false}, u"十二月三十"},
        {QDate(1901, 2, 19), {1901, 1, 1, false}, u"正月初一"},
        {QDate(2004, 1, 22), {2004, 1, 1, false}, u"正月初一"},
        {QDate(2020, 5, 22), {2020, 4, 30, false}, u"四月三十"},
        {QDate(2020, 5, 23), {2020, 4, 1, true}, u"四月初一"},
        {QDate(2020, 6, 21), {2020, 5, 1, false}, u"五月初一"},
        {QDate(2023, 3, 22), {2023, 2, 1, true}, u"二月初一"},
        {QDate(2050, 1, 23), {2050, 1, 1, false}, u"正月初一"},
        {QDate(2051, 2, 10), {2050, 12, 29, false}, u"十二月廿九"},
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(c.date.toString(Qt::ISODate).toStdString());
        const std::optional<LunarDate> lunar = LunarDateOf(c.date);
        ASSERT_TRUE(lunar.has_value());
        EXPECT_EQ(*lunar, c.lunar);
        EXPECT_EQ(LunarMonthName(lunar->month) + LunarDayName(lunar->day), QString::fromUtf16(c.name));
    }
}

// Days whose lunar date the words of 1914, 1915, 1916, 1920, 1989, 2013 and 2025 decide; the
// copies of the table in circulation put each of them one day off.
TEST(LunarDateOf, MendedYearsAgreeWithTheCalendar) {
    const std::pair<QDate, LunarDate> cases[] = {
        {QDate(1914, 11, 17), {1914, 10, 1, false}},
        {QDate(1916, 2, 3), {1916, 1, 1, false}},
        {QDate(1920, 11, 10), {1920, 10, 1, false}},
        {QDate(1989, 8, 1), {1989, 6, 30, false}},
        {QDate(2013, 6, 8), {2013, 5, 1, false}},
        {QDate(2025, 4, 27), {2025, 3, 30, false}},
    };
    for (const auto& [date, lunar] : cases) {
        SCOPED_TRACE(date.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(LunarDateOf(date), lunar);
    }
}

TEST(LunarDateOf, DaysOutsideTheTableHaveNoLunarDate) {
    EXPECT_EQ(LastLunarTableDay(), QDate(2051, 2, 10));
    EXPECT_FALSE(LunarDateOf(QDate(1900, 12, 31)).has_value());
    EXPECT_FALSE(LunarDateOf(QDate(2051, 2, 11)).has_value());
    EXPECT_FALSE(LunarDateOf(QDate(9999, 12, 31)).has_value());
    EXPECT_FALSE(LunarDateOf(QDate()).has_value());
    EXPECT_EQ(LeapMonthOf(1900), 0);
    EXPECT_EQ(LeapMonthOf(2051), 0);
    EXPECT_EQ(LunarMonthDays(2051, 1).leapDays, 0);
    EXPECT_EQ(LunarMonthDays(2020, 0).days, 0);
    EXPECT_EQ(LunarMonthDays(2020, 13).days, 0);
    EXPECT_EQ(TravelDateLabel(QDate(2051, 2, 12)), u"星期日");
}

TEST(LunarMonthDays, LeapMonthFollowsTheMonthItRepeats) {
    EXPECT_EQ(LeapMonthOf(2020), 4);
    EXPECT_EQ(LunarMonthDays(2020, 4).days, 30);      // 2020-04-23 .. 05-22
    EXPECT_EQ(LunarMonthDays(2020, 4).leapDays, 29);  // 2020-05-23 .. 06-20
    EXPECT_EQ(LunarMonthDays(2020, 5).leapDays, 0);
    EXPECT_EQ(LunarYearDays(2020), 384);
    EXPECT_EQ(LunarYearDays(2021), 354);
}

// The first day of each lunar year with its leap month, from an independent calendar.
struct NewYear {
    int year;
    int month;
    int day;
    int leapMonth;
};

constexpr NewYear kNewYears[] = {
{1901, 2, 19, 0}, {1902, 2, 8, 0}, {1903, 1, 29, 5}, {1904, 2, 16, 0}, {1905, 2, 4, 0}, 
{1906, 1, 25, 4}, {1907, 2, 13, 0}, {1908, 2, 2, 0}, {1909, 1, 22, 2}, {1910, 2, 10, 0}, 
{1911, 1, 30, 6}, {1912, 2, 18, 0}, {1913, 2, 6, 0}, {1914, 1, 26, 5}, {1915, 2, 14, 0}, 
{1916, 2, 3, 0}, {1917, 1, 23, 2}, {1918, 2, 11, 0}, {1919, 2, 1, 7}, {1920, 2, 20, 0}, 
{1921, 2, 8, 0}, {1922, 1, 28, 5}, {1923, 2, 16, 0}, {1924, 2, 5, 0}, {1925, 1, 24, 4}, 
{1926, 2, 13, 0}, {1927, 2, 2, 0}, {1928, 1, 23, 2}, {1929, 2, 10, 0}, {1930, 1, 30, 6}, 
{1931, 2, 17, 0}, {1932, 2, 6, 0}, {1933, 1, 26, 5}, {1934, 2, 14, 0}, {1935, 2, 4, 0}, 
{1936, 1, 24, 3}, {1937, 2, 11, 0}, {1938, 1, 31, 7}, {1939, 2, 19, 0}, {1940, 2, 8, 0}, 
{1941, 1, 27, 6}, {1942, 2, 15, 0}, {1943, 2, 5, 0}, {1944, 1, 25, 4}, {1945, 2, 13, 0}, 
{1946, 2, 2, 0}, {1947, 1, 22, 2}, {1948, 2, 10, 0}, {1949, 1, 29, 7}, {1950, 2, 17, 0}, 
{1951, 2, 6, 0}, {1952, 1, 27, 5}, {1953, 2, 14, 0}, {1954, 2, 3, 0}, {1955, 1, 24, 3}, 
{1956, 2, 12, 0}, {1957, 1, 31, 8}, {1958, 2, 18, 0}, {1959, 2, 8, 0}, {1960, 1, 28, 6}, 
{1961, 2, 15, 0}, {1962, 2, 5, 0}, {1963, 1, 25, 4}, {1964, 2, 13, 0}, {1965, 2, 2, 0}, 
{1966, 1, 21, 3}, {1967, 2, 9, 0}, {1968, 1, 30, 7}, {1969, 2, 17, 0}, {1970, 2, 6, 0}, 
{1971, 1, 27, 5}, {1972, 2, 15, 0}, {1973, 2, 3, 0}, {1974, 1, 23, 4}, {1975, 2, 11, 0}, 
{1976, 1, 31, 8}, {1977, 2, 18, 0}, {1978, 2, 7, 0}, {1979, 1, 28, 6}, {1980, 2, 16, 0}, 
{1981, 2, 5, 0}, {1982, 1, 25, 4}, {1983, 2, 13, 0}, {1984, 2, 2, 10}, {1985, 2, 20, 0}, 
{1986, 2, 9, 0}, {1987, 1, 29, 6}, {1988, 2, 17, 0}, {1989, 2, 6, 0}, {1990, 1, 27, 5}, 
{1991, 2, 15, 0}, {1992, 2, 4, 0}, {1993, 1, 23, 3}, {1994, 2, 10, 0}, {1995, 1, 31, 8}, 
{1996, 2, 19, 0}, {1997, 2, 7, 0}, {1998, 1, 28, 5}, {1999, 2, 16, 0}, {2000, 2, 5, 0}, 
{2001, 1, 24, 4}, {2002, 2, 12, 0}, {2003, 2, 1, 0}, {2004, 1, 22, 2}, {2005, 2, 9, 0}, 
{2006, 1, 29, 7}, {2007, 2, 18, 0}, {2008, 2, 7, 0}, {2009, 1, 26, 5}, {2010, 2, 14, 0}, 
{2011, 2, 3, 0}, {2012, 1, 23, 4}, {2013, 2, 10, 0}, {2014, 1, 31, 9}, {2015, 2, 19, 0}, 
{2016, 2, 8, 0}, {2017, 1, 28, 6}, {2018, 2, 16, 0}, {2019, 2, 5, 0}, {2020, 1, 25, 4}, 
{2021, 2, 12, 0}, {2022, 2, 1, 0}, {2023, 1, 22, 2}, {2024, 2, 10, 0}, {2025, 1, 29, 6}, 
{2026, 2, 17, 0}, {2027, 2, 6, 0}, {2028, 1, 26, 5}, {2029, 2, 13, 0}, {2030, 2, 3, 0}, 
{2031, 1, 23, 3}, {2032, 2, 11, 0}, {2033, 1, 31, 11}, {2034, 2, 19, 0}, {2035, 2, 8, 0}, 
{2036, 1, 28, 6}, {2037, 2, 15, 0}, {2038, 2, 4, 0}, {2039, 1, 24, 5}, {2040, 2, 12, 0}, 
{2041, 2, 1, 0}, {2042, 1, 22, 2}, {2043, 2, 10, 0}, {2044, 1, 30, 7}, {2045, 2, 17, 0}, 
{2046, 2, 6, 0}, {2047, 1, 26, 5}, {2048, 2, 14, 0}, {2049, 2, 2, 0}, {2050, 1, 23, 3}, 
};

TEST(LunarCalendar, EveryNewYearAndLeapMonthAgreeWithTheCalendar) {
    for (const NewYear& y : kNewYears) {
        SCOPED_TRACE(y.year);
        const QDate newYear(y.year, y.month, y.day);
        EXPECT_EQ(LunarDateOf(newYear), (LunarDate{y.year, 1, 1, false}));
        EXPECT_EQ(LunarDateOf(newYear.addDays(-1))->year, y.year - 1);
        EXPECT_EQ(LeapMonthOf(y.year), y.leapMonth);
        EXPECT_GE(newYear, QDate(y.year, 1, 21));
        EXPECT_LE(newYear, QDate(y.year, 2, 20));
    }
}

// Walks every day of the table: each day is the day after the one before it in the lunar
// calendar, months have 29 or 30 days, a leap month comes only after the month it repeats.
TEST(LunarCalendar, WholeRangeRunsWithoutGaps) {
    LunarDate previous = *LunarDateOf(FirstLunarTableDay());
    for (QDate date = FirstLunarTableDay().addDays(1); date <= LastLunarTableDay(); date = date.addDays(1)) {
        const LunarDate today = *LunarDateOf(date);
        if (today.day != 1) {
            ASSERT_EQ(today.day, previous.day + 1) << date.toString(Qt::ISODate).toStdString();
            ASSERT_EQ(today.month, previous.month);
            ASSERT_EQ(today.leapMonth, previous.leapMonth);
            previous = today;
            continue;
        }
        ASSERT_TRUE(previous.day == 29 || previous.day == 30) << date.toString(Qt::ISODate).toStdString();
        if (today.leapMonth) {
            ASSERT_EQ(today.month, previous.month);
            ASSERT_EQ(LeapMonthOf(today.year), today.month);
        } else if (today.month == 1) {
            ASSERT_EQ(previous.month, 12);
            ASSERT_EQ(today.year, previous.year + 1);
        } else {
            ASSERT_EQ(today.month, previous.month + 1);
        }
        previous = today;
    }
    EXPECT_EQ(previous.year, 2050);
}

TEST(LunarNames, MonthsAndDays) {
    const std::pair<int, const char16_t*> days[] = {
        {1, u"初一"}, {10, u"初十"}, {11, u"十一"}, {19, u"十九"}, {20, u"二十"},
        {21, u"廿一"}, {29, u"廿九"}, {30, u"三十"}, {0, u""}, {31, u""},
    };
    for (const auto& [day, name] : days) EXPECT_EQ(LunarDayName(day), QString::fromUtf16(name)) << day;
    const std::pair<int, const char16_t*> months[] = {
        {1, u"正月"}, {2, u"二月"}, {10, u"十月"}, {11, u"十一月"}, {12, u"十二月"}, {13, u""},
    };
    for (const auto& [month, name] : months) EXPECT_EQ(LunarMonthName(month), QString::fromUtf16(name)) << month;
}

TEST(TravelDateLabel, LunarDateAndWeekday) {
    EXPECT_EQ(TravelDateLabel(QDate(2004, 1, 22)), u"正月初一 星期四");
    EXPECT_EQ(TravelDateLabel(QDate(2023, 1, 22)), u"正月初一 星期日");
    EXPECT_EQ(TravelDateLabel(QDate(2020, 5, 23)), u"四月初一 星期六");
}

}  // namespace
