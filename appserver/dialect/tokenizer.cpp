#include "appserver/dialect/tokenizer.h"

#include "appserver/dialect/lexical.h"

namespace dialect {
namespace {

using lexical::startsWord;

std::optional<QString> readSymbol(QStringView s, qsizetype& i) {
    static const QStringView twoCharacter[] = {u"<>", u"<=", u">=", u"!="};
    for (QStringView symbol : twoCharacter) {
        if (s.mid(i).startsWith(symbol)) {
            i += 2;
            return symbol.toString();
        }
    }
    static const QStringView oneCharacter = u"(),.*+-/%=<>;";
    if (oneCharacter.contains(s[i]))
        return QString(s[i++]);
    return std::nullopt;
}

}  // namespace

std::optional<QList<Token>> tokenize(QStringView s) {
    QList<Token> tokens;
    qsizetype i = 0;
    while (true) {
        while (i < s.size() && s[i].isSpace())
            ++i;
        Token token;
        if (i >= s.size()) {
            tokens.append(token);
            return tokens;
        }
        const QChar c = s[i];
        if (c == u'-' && i + 1 < s.size() && s[i + 1] == u'-')
            return std::nullopt;
        if (c == u'/' && i + 1 < s.size() && s[i + 1] == u'*')
            return std::nullopt;
        if (c == u'\'') {
            auto text = lexical::readText(s, i);
            if (!text)
                return std::nullopt;
            token.kind = Token::Kind::Text;
            token.text = *text;
        } else if (c == u'[' || c == u'"') {
            auto name = lexical::readQuotedName(s, i);
            if (!name)
                return std::nullopt;
            token.kind = Token::Kind::QuotedName;
            token.text = name->toString();
        } else if (c.isDigit()) {
            token.kind = Token::Kind::Number;
            token.text = lexical::readNumber(s, i).toString();
            if (i < s.size() && startsWord(s[i]))
                return std::nullopt;
        } else if (startsWord(c)) {
            const qsizetype start = i;
            lexical::skipWord(s, i);
            token.kind = Token::Kind::Word;
            token.text = s.mid(start, i - start).toString();
        } else {
            auto symbol = readSymbol(s, i);
            if (!symbol)
                return std::nullopt;
            token.kind = Token::Kind::Symbol;
            token.text = *symbol;
        }
        tokens.append(token);
    }
}

}  // namespace dialect
