#include "network/trip_code.h"

namespace {

bool isCodeLetter(QChar c) { return c >= u'A' && c <= u'Z'; }
bool isCodeDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The character at a position, or a null character past the end, which sorts below every letter.
QChar charAt(QStringView code, int position) { return position < code.size() ? code.at(position) : QChar(); }

}  // namespace

TripCodeKind ClassifyTripCode(QStringView code) {
    if (code.size() != 4) return TripCodeKind::Invalid;
    bool allDigits = true;
    for (QChar c : code) allDigits = allDigits && isCodeDigit(c);
    if (allDigits) return TripCodeKind::SoldBySeat;
    const bool secondIsCodeChar = isCodeDigit(code.at(1)) || isCodeLetter(code.at(1));
    if (isCodeLetter(code.at(0)) && secondIsCodeChar && code.sliced(2) == u"00") {
        return TripCodeKind::SoldWithoutSeats;
    }
    return TripCodeKind::Invalid;
}

std::optional<QChar> AcceptedTripCodeKey(QChar typed) {
    const QChar upper = typed.toUpper();
    if (isCodeDigit(upper) || isCodeLetter(upper)) return upper;
    if (typed == u'\b' || typed == u'\t' || typed == u'\r') return typed;
    return std::nullopt;
}

std::optional<QString> TripCodeRefusalOnLeave(QStringView code) {
    bool allBelowLetters = true;
    for (int i = 0; i < 4; ++i) allBelowLetters = allBelowLetters && charAt(code, i) < u'A';
    if (allBelowLetters) return std::nullopt;
    if (charAt(code, 0) < u'A') {
        return QStringLiteral(
            "编号不对！\n"
            "4位全为数字，表示按座售票。\n"
            "若要设无座票班次，必须字母开头，后两位为00, 如：A100，AB00");
    }
    if (charAt(code, 2) != u'0' || charAt(code, 3) != u'0') {
        return QStringLiteral(
            "后两位必须为00\n"
            "设为无座票班次时，必须字母开头，后两位为00  如：A100，AB00");
    }
    return std::nullopt;
}
