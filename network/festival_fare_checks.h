#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "network/fare_class.h"

// The checks and questions of the festival fare window. A festival date is typed as eight
// characters (yyyymmdd); nothing else of the text is checked.

// The class list's first entry, which raises all six classes.
inline const QString kAllFareClassesChoice = QStringLiteral("全部票价");

// 新增: a date already made, or not eight characters long.
std::optional<QString> NewFestivalDateRefusal(const QString& date, const QStringList& existingDates);
// 粘帖: nothing copied yet, a date already made, or not eight characters long.
std::optional<QString> PasteFestivalDateRefusal(const QString& copiedDate, const QString& date,
                                                const QStringList& existingDates);
// 复制: nothing listed, or a date box text that is not eight characters long.
std::optional<QString> CopyFestivalDateRefusal(int listedRows, const QString& date);

// 确定上浮 without a class chosen.
QString NoFareClassChosenMessage();
// The class chosen in the class list: empty for "全部票价", the class for its column name.
std::optional<FareClass> RaisedFareClass(const QString& choice);
// The confirmation asked before a raise.
QString RaiseQuestion(const QString& choice, int percent);

QString DeleteFestivalDateQuestion(const QString& date);
QString ClearFestivalFaresQuestion();
