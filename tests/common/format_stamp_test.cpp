#include "common/format_stamp.h"

#include <gtest/gtest.h>

#include "tests/support/qt_print.h"

namespace {

struct StampCase {
    int code;
    const char16_t* expected;
};

TEST(FormatStamp, EveryLayoutOnOneMoment) {
    const QDateTime moment(QDate(2008, 5, 7), QTime(9, 5, 30, 250));
    const StampCase cases[] = {
        {1, u"2008"},
        {2, u"05"},
        {3, u"07"},
        {4, u"200805"},
        {5, u"20080507"},
        {7, u"0507"},
        {15, u"2008年05月07日"},
        {16, u"2008   05   07"},
        {24, u"2008-05"},
        {25, u"2008-05-07"},
        {26, u"08-05-07"},
        {41, u"09"},
        {44, u"09:05"},
        {45, u"09:05.30"},
        {47, u"2008-05-07,09:05"},
        {49, u"2008-05-07 09:05.30"},
        {50, u"05-07 09:05.30"},
        {51, u"2008-05-07 09:05"},
        {95, u"2008年05月07日  09:05.30"},
        {96, u"2008年05月07日09时05分"},
        {99, u"05-07,09:05.30"},
    };
    for (const StampCase& c : cases) {
        EXPECT_EQ(FormatStamp(c.code, moment), QString::fromUtf16(c.expected)) << "code " << c.code;
    }
}

TEST(FormatStamp, UnknownCodesGiveEmptyText) {
    const QDateTime moment(QDate(2008, 5, 7), QTime(9, 5, 30));
    for (int code : {0, 6, 8, 42, 46, 48, 52, 98, 100, -1}) {
        EXPECT_EQ(FormatStamp(code, moment), QString()) << "code " << code;
    }
}

TEST(FormatStamp, SecondsAfterAFullStopAndMonthFirst) {
    EXPECT_EQ(FormatStamp(45, QDateTime(QDate(2008, 5, 7), QTime(9, 5, 3))), u"09:05.03");
    EXPECT_TRUE(FormatStamp(99, QDateTime(QDate(2008, 5, 7), QTime(0, 0))).startsWith(u"05-07,"));
}

TEST(FormatStamp, TextsOfOneLayoutSortInTimeOrder) {
    const QDateTime a(QDate(2009, 12, 31), QTime(23, 59, 59));
    const QDateTime b(QDate(2010, 1, 1), QTime(0, 0, 0));
    const QDateTime c(QDate(2010, 1, 1), QTime(9, 0, 0));
    for (int code : {5, 25, 47, 49, 51}) {
        EXPECT_LT(FormatStamp(code, a), FormatStamp(code, b)) << "code " << code;
    }
    for (int code : {44, 45, 47, 49, 50, 51, 99}) {
        EXPECT_LT(FormatStamp(code, b), FormatStamp(code, c)) << "code " << code;
    }
}

struct ShiftCase {
    const char16_t* time;
    int minutes;
    const char16_t* expected;
};

TEST(ShiftTime, MovesEarlierAndWrapsAroundMidnight) {
    const ShiftCase cases[] = {
        {u"00:10", 20, u"23:50"},   {u"23:50", -20, u"00:10"},  {u"", 0, u"05:00"},
        {u"12:00", 90, u"11:00"},   {u"12:00", -90, u"13:00"},  {u"08:30", 3, u"08:27"},
        {u"08:02", 3, u"07:59"},    {u"09:58", -5, u"10:03"},   {u"23:59", -1, u"00:00"},
        {u"00:00", 1, u"23:59"},    {u"10:00", 0, u"10:00"},    {u"", 30, u"04:30"},
        {u"07:45", 60, u"06:45"},   {u"07:45", -60, u"08:45"},
    };
    for (const ShiftCase& c : cases) {
        EXPECT_EQ(ShiftTime(QString::fromUtf16(c.time), c.minutes), QString::fromUtf16(c.expected))
            << QString::fromUtf16(c.time).toStdString() << " minus " << c.minutes;
    }
}

struct PadCase {
    qint64 value;
    int width;
    const char* expected;
};

TEST(ZeroPad, PadsCutsAndSigns) {
    const PadCase cases[] = {
        {5, 3, "005"},       {-5, 4, "-005"},   {123, 2, "23"},    {0, 4, "0000"},
        {42, 0, ""},         {7, 17, "00000000000000007"},          {-12345, 3, "-45"},
        {INT64_MIN, 5, "-5808"},
    };
    for (const PadCase& c : cases) {
        EXPECT_EQ(ZeroPad(c.value, c.width), QString::fromLatin1(c.expected)) << c.value << " width " << c.width;
    }
}

TEST(SpacePad, PadsAndCutsOnTheRight) {
    const PadCase cases[] = {
        {3, 6, "3     "}, {123456789, 4, "1234"}, {12, 2, "12"}, {-7, 4, "-7  "}, {1, 0, ""},
    };
    for (const PadCase& c : cases) {
        EXPECT_EQ(SpacePad(c.value, c.width), QString::fromLatin1(c.expected)) << c.value << " width " << c.width;
    }
}

}  // namespace
