#include "common/open_stop_rule.h"

#include <gtest/gtest.h>

#include "tests/support/qt_print.h"

namespace {

// Today is Wednesday 2008-05-07.
const QDate kToday(2008, 5, 7);

struct RunsCase {
    const char16_t* rule;
    const char16_t* todayState;
    QDate date;
    bool runs;
};

TEST(TripRunsOnDate, EachRule) {
    const RunsCase cases[] = {
        {u"A", u"停", QDate(2008, 5, 8), true},
        {u"A", u"开", QDate(2010, 1, 1), true},
        // Every other day: in step with today's state.
        {u"B", u"开", QDate(2008, 5, 9), true},   // 2 days ahead
        {u"B", u"开", QDate(2008, 5, 8), false},  // 1 day ahead
        {u"B", u"停", QDate(2008, 5, 8), true},
        {u"B", u"停", QDate(2008, 5, 9), false},
        {u"B", u"", QDate(2008, 5, 8), true},     // any state but 开 counts as not running today
        // Beyond 3650 days, and today or earlier, count as 3650 days ahead: even.
        {u"B", u"开", kToday.addDays(3651), true},
        {u"B", u"停", kToday.addDays(3651), false},
        {u"B", u"开", kToday, true},
        // Weekdays, Sunday 0.
        {u"C1,3,5", u"开", QDate(2008, 5, 12), true},   // Monday
        {u"C1,3,5", u"开", QDate(2008, 5, 14), true},   // Wednesday
        {u"C1,3,5", u"开", QDate(2008, 5, 16), true},   // Friday
        {u"C1,3,5", u"开", QDate(2008, 5, 13), false},  // Tuesday
        {u"C1,3,5", u"开", QDate(2008, 5, 11), false},  // Sunday
        {u"C0,6", u"停", QDate(2008, 5, 11), true},     // Sunday
        {u"C0,6", u"停", QDate(2008, 5, 10), true},     // Saturday
        // Days of the month, two digits each.
        {u"D06,20", u"开", QDate(2008, 6, 6), true},
        {u"D06,20", u"开", QDate(2008, 5, 20), true},
        {u"D06,20", u"开", QDate(2008, 5, 26), false},
        {u"D06,20", u"开", QDate(2008, 6, 2), false},
        {u"T06", u"开", QDate(2008, 6, 6), false},
        {u"T06", u"开", QDate(2008, 6, 7), true},
        {u"T06", u"开", QDate(2008, 6, 16), true},
        // Never sold, and texts that are no rule.
        {u"E", u"开", QDate(2008, 5, 8), false},
        {u"", u"开", QDate(2008, 5, 8), false},
        {u"X", u"开", QDate(2008, 5, 8), false},
        {u"a", u"开", QDate(2008, 5, 8), false},
    };
    for (const RunsCase& c : cases) {
        const QString rule = QString::fromUtf16(c.rule);
        SCOPED_TRACE(rule.toStdString() + ' ' + c.date.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(TripRunsOnDate(rule, QString::fromUtf16(c.todayState), kToday, c.date), c.runs);
    }
}

TEST(DaysAhead, CountsOneToTenYearsAndOtherwiseTenYears) {
    EXPECT_EQ(DaysAhead(kToday, kToday.addDays(1)), 1);
    EXPECT_EQ(DaysAhead(QDate(2008, 2, 28), QDate(2008, 3, 1)), 2);
    EXPECT_EQ(DaysAhead(kToday, kToday.addDays(3650)), 3650);
    EXPECT_EQ(DaysAhead(kToday, kToday.addDays(3651)), 3650);
    EXPECT_EQ(DaysAhead(kToday, kToday), 3650);
    EXPECT_EQ(DaysAhead(kToday, kToday.addDays(-1)), 3650);
}

TEST(OpenStopRule, StoredTextRoundTrips) {
    const std::pair<const char16_t*, OpenStopRule> cases[] = {
        {u"A", {OpenStopRuleKind::EveryDay, {}}},
        {u"B", {OpenStopRuleKind::EveryOtherDay, {}}},
        {u"C1,3,5", {OpenStopRuleKind::OnWeekdays, QStringLiteral("1,3,5")}},
        {u"D06,08,10,20,26", {OpenStopRuleKind::OnDaysOfMonth, QStringLiteral("06,08,10,20,26")}},
        {u"T05,09", {OpenStopRuleKind::ExceptDaysOfMonth, QStringLiteral("05,09")}},
        {u"E", {OpenStopRuleKind::NotSold, {}}},
    };
    for (const auto& [text, rule] : cases) {
        const QString stored = QString::fromUtf16(text);
        EXPECT_EQ(ParseOpenStopRule(stored), rule) << stored.toStdString();
        EXPECT_EQ(OpenStopRuleText(rule), stored);
    }
    EXPECT_FALSE(ParseOpenStopRule(u"").has_value());
    EXPECT_FALSE(ParseOpenStopRule(u"Z06").has_value());
    // The rules without a parameter store only their letter; a parameter is cut to the column.
    EXPECT_EQ(OpenStopRuleText({OpenStopRuleKind::EveryDay, QStringLiteral("06")}), u"A");
    const QString longDays = QStringLiteral("01,").repeated(40);
    EXPECT_EQ(OpenStopRuleText({OpenStopRuleKind::OnDaysOfMonth, longDays}).size(), 90);
}

TEST(OpenStopRule, DialogRefusesAMissingParameter) {
    EXPECT_EQ(OpenStopRuleRefusal({OpenStopRuleKind::OnWeekdays, {}}), u"请输入星期几,如：1,3,5 (星期天为0)");
    EXPECT_EQ(OpenStopRuleRefusal({OpenStopRuleKind::OnDaysOfMonth, {}}), u"请输入开车日期,如：06,08,10,20,26");
    EXPECT_EQ(OpenStopRuleRefusal({OpenStopRuleKind::ExceptDaysOfMonth, {}}), u"请输入停开日期,如：05,09,12,23,28");
    EXPECT_FALSE(OpenStopRuleRefusal({OpenStopRuleKind::OnWeekdays, QStringLiteral("1")}).has_value());
    EXPECT_FALSE(OpenStopRuleRefusal({OpenStopRuleKind::EveryDay, {}}).has_value());
    EXPECT_FALSE(OpenStopRuleRefusal({OpenStopRuleKind::NotSold, {}}).has_value());

    for (QChar key : QStringLiteral("0123456789 \\,.-\b")) EXPECT_TRUE(IsOpenStopRuleParameterKey(key)) << int(key.unicode());
    for (QChar key : QStringLiteral("a;:/，")) EXPECT_FALSE(IsOpenStopRuleParameterKey(key)) << int(key.unicode());
}

}  // namespace
