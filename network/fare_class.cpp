#include "network/fare_class.h"

QString FareClassColumn(FareClass fareClass) {
    static const QString numerals = QStringLiteral("一二三四五六");
    return numerals.at(static_cast<int>(fareClass)) + QStringLiteral("类价");
}

std::optional<FareClass> FareClassFromColumn(QStringView column) {
    for (FareClass fareClass : kFareClasses) {
        if (column == FareClassColumn(fareClass)) return fareClass;
    }
    return std::nullopt;
}
