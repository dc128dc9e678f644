#include "common/sql.h"

QString sqlText(QStringView value) {
    QString literal;
    literal.reserve(value.size() + 2);
    literal += u'\'';
    for (QChar c : value) {
        if (c == u'\'') literal += u'\'';
        literal += c;
    }
    literal += u'\'';
    return literal;
}

QString sqlMoney(Money value) { return value.toText(); }

QString sqlBool(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }

QString sqlInt(qint64 value) { return QString::number(value); }
