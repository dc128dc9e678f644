#include "appserver/dialect/statement_shape.h"

namespace dialect {
namespace {

QVariant numberValue(const QString& text)
{
    bool whole = false;
    const qlonglong integer = text.toLongLong(&whole);
    if (whole)
        return integer;
    return text.toDouble();
}

}  // namespace

StatementShape shapeOf(const QList<Token>& tokens)
{
    StatementShape shape;
    for (const Token& token : tokens) {
        switch (token.kind) {
        case Token::Kind::Word:
        case Token::Kind::Symbol:
            shape.key += token.text;
            break;
        case Token::Kind::QuotedName:
            shape.key += QStringLiteral("[%1]").arg(token.text);
            break;
        case Token::Kind::Text:
            shape.key += u'\'';
            shape.literals.append(token.text);
            shape.literalTexts.append(token.text);
            break;
        case Token::Kind::Number:
            shape.key += u'#';
            shape.literals.append(numberValue(token.text));
            shape.literalTexts.append(token.text);
            break;
        case Token::Kind::End:
            return shape;
        }
        shape.key += u' ';
    }
    return shape;
}

}  // namespace dialect
