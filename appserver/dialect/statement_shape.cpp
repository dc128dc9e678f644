#include "appserver/dialect/statement_shape.h"

#include "appserver/dialect/lexical.h"

namespace dialect {
namespace {

QVariant numberValue(QStringView text) {
    bool whole = false;
    const qlonglong integer = text.toLongLong(&whole);
    if (whole)
        return integer;
    return text.toDouble();
}

// Outside literals a statement never holds a single quote, so marks that begin with one cannot be
// confused with the text around them.
const QString kTextMark = QStringLiteral("'t");
const QString kNumberMark = QStringLiteral("'n");

}  // namespace

std::optional<StatementShape> shapeOf(QStringView s) {
    StatementShape shape;
    shape.key.reserve(s.size());
    qsizetype copiedUpTo = 0;
    qsizetype i = 0;
    auto copyUpTo = [&](qsizetype end) { shape.key += s.mid(copiedUpTo, end - copiedUpTo); };
    while (i < s.size()) {
        const QChar c = s[i];
        const qsizetype start = i;
        if (c == u'\'') {
            std::optional<QString> text = lexical::readText(s, i);
            if (!text)
                return std::nullopt;
            copyUpTo(start);
            shape.key += kTextMark;
            shape.literals.append(*text);
            shape.literalTexts.append(*text);
            copiedUpTo = i;
        } else if (c.isDigit()) {
            const QStringView number = lexical::readNumber(s, i);
            copyUpTo(start);
            shape.key += kNumberMark;
            shape.literals.append(numberValue(number));
            shape.literalTexts.append(number.toString());
            copiedUpTo = i;
        } else if (lexical::startsWord(c)) {
            lexical::skipWord(s, i);
        } else if (c == u'[' || c == u'"') {
            if (!lexical::readQuotedName(s, i))
                i = start + 1;
        } else {
            ++i;
        }
    }
    copyUpTo(s.size());
    return shape;
}

}  // namespace dialect
