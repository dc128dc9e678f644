#pragma once

#include <QChar>
#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

// The rule by which a trip is offered on days after today, stored in 开停条件 as a letter followed
// by its parameter (at most 89 characters).
enum class OpenStopRuleKind {
    EveryDay,           // A
    EveryOtherDay,      // B: alternates with today's state
    OnWeekdays,         // C: weekday digits, Sunday 0 ("1,3,5")
    OnDaysOfMonth,      // D: two-digit days ("06,08,10,20,26")
    ExceptDaysOfMonth,  // T: two-digit days on which it does not run
    NotSold,            // E: not sold for any day after today
};

struct OpenStopRule {
    OpenStopRuleKind kind = OpenStopRuleKind::NotSold;
    QString parameter;  // only the weekday and day-of-month rules use it
    bool operator==(const OpenStopRule&) const = default;
};

inline constexpr int kOpenStopRuleParameterLength = 89;
// The rule stored for a trip saved without one.
inline const QString kDefaultOpenStopRuleText = QStringLiteral("E");

// The rule of a stored text; nothing when it is empty or starts with no rule letter.
std::optional<OpenStopRule> ParseOpenStopRule(QStringView stored);

// The text to store: the letter, then the parameter for C, D and T (cut to its column).
QString OpenStopRuleText(const OpenStopRule& rule);

// Why the rule dialog refuses to close with this rule: C, D and T need a parameter.
std::optional<QString> OpenStopRuleRefusal(const OpenStopRule& rule);

// Characters the rule dialog's edits accept: digits, blank, "\", ",", ".", "-" and backspace.
bool IsOpenStopRuleParameterKey(QChar typed);

// The whole days from today to `date` when that is 1 .. 3650, otherwise 3650.
int DaysAhead(QDate today, QDate date);

// Whether a trip is offered on a day after today, by its stored rule and today's state (状态).
// An empty or unknown rule never offers the trip.
bool TripRunsOnDate(QStringView storedRule, QStringView todayState, QDate today, QDate date);
