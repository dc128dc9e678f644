#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The Chinese lunar calendar from 1901-01-01 (day 11 of the eleventh month of lunar 1900) to the
// last day of lunar 2050, driven by two tables of the months' lengths and leap months.

struct LunarDate {
    int year = 0;
    int month = 0;            // 1 .. 12; a leap month carries the number of the month it repeats
    int day = 0;              // 1 .. 30
    bool leapMonth = false;   // the day lies in the leap month that follows `month`
    bool operator==(const LunarDate&) const = default;
};

struct LunarMonthLength {
    int days = 0;        // 29 or 30
    int leapDays = 0;    // days of the leap month that follows this month, 0 when there is none
};

// The month that the leap month of lunar year `year` repeats; 0 when it has none or the year lies
// outside 1901 .. 2050.
int LeapMonthOf(int year);

// Days of month 1 .. 12 of lunar year `year` and of the leap month after it. A year outside the
// table gives 30 days and no leap month; a month outside 1 .. 12 gives nothing.
LunarMonthLength LunarMonthDays(int year, int month);

// Days of lunar year `year`, leap month included.
int LunarYearDays(int year);

// The first and the last day the conversion can answer for.
QDate FirstLunarTableDay();
QDate LastLunarTableDay();

// The lunar date of a day; nothing for a day outside FirstLunarTableDay() .. LastLunarTableDay().
std::optional<LunarDate> LunarDateOf(QDate date);

// 正月, 二月, … 十月, 十一月, 十二月; empty outside 1 .. 12.
QString LunarMonthName(int month);
// 初一 … 初十, 十一 … 十九, 二十, 廿一 … 廿九, 三十; empty outside 1 .. 30.
QString LunarDayName(int day);
// 星期日 … 星期六.
QString WeekdayName(QDate date);

// The label of a travel date on the sale desk: "正月初一 星期日"; only the weekday name for a day
// the lunar table does not cover.
QString TravelDateLabel(QDate date);
