#include "appserver/dialect/tokenizer.h"

namespace dialect {
namespace {

bool startsWord(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool continuesWord(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// Reads a text literal starting at the opening quote; a doubled quote stands for one.
std::optional<QString> readText(QStringView s, qsizetype& i)
{
    QString value;
    ++i;
    while (i < s.size()) {
        if (s[i] == u'\'') {
            if (i + 1 < s.size() && s[i + 1] == u'\'') {
                value += u'\'';
                i += 2;
                continue;
            }
            ++i;
            return value;
        }
        value += s[i++];
    }
    return std::nullopt;
}

std::optional<QString> readQuotedName(QStringView s, qsizetype& i, QChar close)
{
    const qsizetype start = ++i;
    while (i < s.size() && s[i] != close)
        ++i;
    if (i >= s.size() || i == start)
        return std::nullopt;
    return s.mid(start, i++ - start).toString();
}

QString readNumber(QStringView s, qsizetype& i)
{
    const qsizetype start = i;
    while (i < s.size() && s[i].isDigit())
        ++i;
    if (i + 1 < s.size() && s[i] == u'.' && s[i + 1].isDigit()) {
        ++i;
        while (i < s.size() && s[i].isDigit())
            ++i;
    }
    return s.mid(start, i - start).toString();
}

std::optional<QString> readSymbol(QStringView s, qsizetype& i)
{
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

std::optional<QList<Token>> tokenize(QStringView s)
{
    QList<Token> tokens;
    qsizetype i = 0;
    while (true) {
        while (i < s.size() && s[i].isSpace())
            ++i;
        Token token;
        token.position = int(i);
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
            auto text = readText(s, i);
            if (!text)
                return std::nullopt;
            token.kind = Token::Kind::Text;
            token.text = *text;
        } else if (c == u'[' || c == u'"') {
            auto name = readQuotedName(s, i, c == u'[' ? QChar(u']') : QChar(u'"'));
            if (!name)
                return std::nullopt;
            token.kind = Token::Kind::QuotedName;
            token.text = *name;
        } else if (c.isDigit()) {
            token.kind = Token::Kind::Number;
            token.text = readNumber(s, i);
            if (i < s.size() && startsWord(s[i]))
                return std::nullopt;
        } else if (startsWord(c)) {
            const qsizetype start = i;
            while (i < s.size() && continuesWord(s[i]))
                ++i;
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
