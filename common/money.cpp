#include "common/money.h"


namespace {

// Floor division for a positive divisor.
int64_t floorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if ((a % b != 0) && (a < 0)) --q;
    return q;
}

}  // namespace

std::optional<Money> Money::parse(QStringView text) {
    QStringView t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    bool negative = false;
    if (t.front() == u'-' || t.front() == u'+') {
        negative = t.front() == u'-';
        t = t.mid(1);
    }
    const qsizetype dot = t.indexOf(u'.');
    const QStringView whole = dot < 0 ? t : t.left(dot);
    const QStringView fraction = dot < 0 ? QStringView() : t.mid(dot + 1);
    if ((whole.isEmpty() && fraction.isEmpty()) || fraction.size() > 4 || whole.size() > 14) {
        return std::nullopt;
    }
    int64_t units = 0;
    for (QChar c : whole) {
        if (c < u'0' || c > u'9') return std::nullopt;
        units = units * 10 + (c.unicode() - u'0');
    }
    units *= kUnitsPerYuan;
    int64_t scale = kUnitsPerYuan / 10;
    for (QChar c : fraction) {
        if (c < u'0' || c > u'9') return std::nullopt;
        units += (c.unicode() - u'0') * scale;
        scale /= 10;
    }
    return Money(negative ? -units : units);
}

QString Money::toFixedText() const {
    const uint64_t magnitude = units_ < 0 ? 0 - static_cast<uint64_t>(units_) : static_cast<uint64_t>(units_);
    const QString fraction =
        QStringLiteral("%1").arg(magnitude % kUnitsPerYuan, 4, 10, QLatin1Char('0'));
    return (units_ < 0 ? QStringLiteral("-") : QString()) + QString::number(magnitude / kUnitsPerYuan) +
           u'.' + fraction;
}

QString Money::toText() const {
    QString text = toFixedText();
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    return text;
}

Money Money::roundedTo(int64_t step, int64_t bias) const {
    return Money(floorDiv(units_ + bias, step) * step);
}

Money Money::truncToYuan() const { return Money(units_ / kUnitsPerYuan * kUnitsPerYuan); }
Money Money::floorToYuan() const { return roundedTo(kUnitsPerYuan, 0); }
Money Money::ceilToYuan() const { return roundedTo(kUnitsPerYuan, kUnitsPerYuan - 1); }
Money Money::halfUpToYuan() const { return roundedTo(kUnitsPerYuan, kUnitsPerYuan / 2); }
Money Money::ceilToHalfYuan() const { return roundedTo(kUnitsPerYuan / 2, kUnitsPerYuan / 2 - 1); }
Money Money::halfUpToHalfYuan() const { return roundedTo(kUnitsPerYuan / 2, kUnitsPerYuan / 4); }

Money Money::scaled(int64_t numerator, int64_t denominator) const {
    __int128 product = static_cast<__int128>(units_) * numerator;
    __int128 d = denominator;
    if (d < 0) {
        d = -d;
        product = -product;
    }
    __int128 q = product / d;
    __int128 r = product % d;
    if (r < 0) {
        r += d;
        q -= 1;
    }
    // q is the floor; decide on the remainder, ties to even.
    if (2 * r > d || (2 * r == d && (q % 2 != 0))) q += 1;
    return Money(static_cast<int64_t>(q));
}
