#include "common/open_stop_rule.h"

#include "common/format_stamp.h"

namespace {

constexpr int kMostDaysAhead = 3650;

QChar letterOf(OpenStopRuleKind kind) {
    switch (kind) {
    case OpenStopRuleKind::EveryDay: return u'A';
    case OpenStopRuleKind::EveryOtherDay: return u'B';
    case OpenStopRuleKind::OnWeekdays: return u'C';
    case OpenStopRuleKind::OnDaysOfMonth: return u'D';
    case OpenStopRuleKind::ExceptDaysOfMonth: return u'T';
    case OpenStopRuleKind::NotSold: return u'E';
    }
    return u'E';
}

bool takesParameter(OpenStopRuleKind kind) {
    return kind == OpenStopRuleKind::OnWeekdays || kind == OpenStopRuleKind::OnDaysOfMonth ||
           kind == OpenStopRuleKind::ExceptDaysOfMonth;
}

bool dayOfMonthListed(QStringView parameter, QDate date) {
    return parameter.contains(FormatStamp(3, date.startOfDay()));
}

}  // namespace

std::optional<OpenStopRule> ParseOpenStopRule(QStringView stored) {
    if (stored.isEmpty()) return std::nullopt;
    const QString parameter = stored.sliced(1).left(kOpenStopRuleParameterLength).toString();
    switch (stored.at(0).unicode()) {
    case u'A': return OpenStopRule{OpenStopRuleKind::EveryDay, parameter};
    case u'B': return OpenStopRule{OpenStopRuleKind::EveryOtherDay, parameter};
    case u'C': return OpenStopRule{OpenStopRuleKind::OnWeekdays, parameter};
    case u'D': return OpenStopRule{OpenStopRuleKind::OnDaysOfMonth, parameter};
    case u'T': return OpenStopRule{OpenStopRuleKind::ExceptDaysOfMonth, parameter};
    case u'E': return OpenStopRule{OpenStopRuleKind::NotSold, parameter};
    default: return std::nullopt;
    }
}

QString OpenStopRuleText(const OpenStopRule& rule) {
    const QString letter(letterOf(rule.kind));
    if (!takesParameter(rule.kind)) return letter;
    return letter + rule.parameter.left(kOpenStopRuleParameterLength);
}

std::optional<QString> OpenStopRuleRefusal(const OpenStopRule& rule) {
    if (!rule.parameter.isEmpty()) return std::nullopt;
    switch (rule.kind) {
    case OpenStopRuleKind::OnWeekdays: return QStringLiteral("请输入星期几,如：1,3,5 (星期天为0)");
    case OpenStopRuleKind::OnDaysOfMonth: return QStringLiteral("请输入开车日期,如：06,08,10,20,26");
    case OpenStopRuleKind::ExceptDaysOfMonth: return QStringLiteral("请输入停开日期,如：05,09,12,23,28");
    default: return std::nullopt;
    }
}

bool IsOpenStopRuleParameterKey(QChar typed) {
    return typed.isDigit() || QStringView(u" \\,.-\b").contains(typed);
}

int DaysAhead(QDate today, QDate date) {
    const qint64 days = today.daysTo(date);
    return days >= 1 && days <= kMostDaysAhead ? static_cast<int>(days) : kMostDaysAhead;
}

bool TripRunsOnDate(QStringView storedRule, QStringView todayState, QDate today, QDate date) {
    const std::optional<OpenStopRule> rule = ParseOpenStopRule(storedRule);
    if (!rule) return false;
    switch (rule->kind) {
    case OpenStopRuleKind::EveryDay: return true;
    case OpenStopRuleKind::EveryOtherDay: {
        const bool evenDaysAhead = DaysAhead(today, date) % 2 == 0;
        return evenDaysAhead == (todayState == u"开");
    }
    case OpenStopRuleKind::OnWeekdays:
        return rule->parameter.contains(QString::number(date.dayOfWeek() % 7));
    case OpenStopRuleKind::OnDaysOfMonth: return dayOfMonthListed(rule->parameter, date);
    case OpenStopRuleKind::ExceptDaysOfMonth: return !dayOfMonthListed(rule->parameter, date);
    case OpenStopRuleKind::NotSold: return false;
    }
    return false;
}
