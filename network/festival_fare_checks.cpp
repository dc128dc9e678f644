#include "network/festival_fare_checks.h"

namespace {

constexpr int kFestivalDateLength = 8;
const QString kDateExists = QStringLiteral("本日期票价数据已存在!");

}  // namespace

std::optional<QString> NewFestivalDateRefusal(const QString& date, const QStringList& existingDates) {
    if (existingDates.contains(date)) return kDateExists;
    if (date.size() != kFestivalDateLength) return QStringLiteral("此处日期长度必须为8位，如:20040805");
    return std::nullopt;
}

std::optional<QString> PasteFestivalDateRefusal(const QString& copiedDate, const QString& date,
                                                const QStringList& existingDates) {
    if (copiedDate.isEmpty()) return QStringLiteral("请先复制一个日期数据!");
    if (existingDates.contains(date)) return kDateExists;
    if (date.size() != kFestivalDateLength) return QStringLiteral("日期长度必须为8位，如:20040805");
    return std::nullopt;
}

std::optional<QString> CopyFestivalDateRefusal(int listedRows, const QString& date) {
    if (listedRows == 0) return QStringLiteral("不能复制空记录!");
    if (date.size() != kFestivalDateLength) return QStringLiteral("日期格式不正确!");
    return std::nullopt;
}

QString NoFareClassChosenMessage() { return QStringLiteral("请选择一个欲上浮的票价类型"); }

std::optional<FareClass> RaisedFareClass(const QString& choice) { return FareClassFromColumn(choice); }

QString RaiseQuestion(const QString& choice, int percent) {
    return QStringLiteral("确定“%1”上浮：%2%吗?").arg(choice, QString::number(percent));
}

QString DeleteFestivalDateQuestion(const QString& date) {
    return QStringLiteral("你确实要删除%1日的票价吗？").arg(date);
}

QString ClearFestivalFaresQuestion() { return QStringLiteral("你确实要清空所有日期的票价吗？"); }
