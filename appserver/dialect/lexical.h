#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The reading rules that the tokenizer and the statement shape share, so that two statements with
// one shape always read as the same tokens.
namespace dialect::lexical {

inline bool startsWord(QChar c) {
    return c.isLetter() || c == u'_';
}

inline bool continuesWord(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

// Reads a text literal starting at the opening quote; a doubled quote stands for one.
// Nothing when the literal never closes.
inline std::optional<QString> readText(QStringView s, qsizetype& i) {
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

// Digits, and a fraction when a full stop is followed by a digit.
inline QStringView readNumber(QStringView s, qsizetype& i) {
    const qsizetype start = i;
    while (i < s.size() && s[i].isDigit())
        ++i;
    if (i + 1 < s.size() && s[i] == u'.' && s[i + 1].isDigit()) {
        ++i;
        while (i < s.size() && s[i].isDigit())
            ++i;
    }
    return s.mid(start, i - start);
}

inline void skipWord(QStringView s, qsizetype& i) {
    while (i < s.size() && continuesWord(s[i]))
        ++i;
}

// The name between [ and ] or between double quotes, starting at the opening character.
inline std::optional<QStringView> readQuotedName(QStringView s, qsizetype& i) {
    const QChar close = s[i] == u'[' ? QChar(u']') : QChar(u'"');
    const qsizetype start = ++i;
    while (i < s.size() && s[i] != close)
        ++i;
    if (i >= s.size() || i == start)
        return std::nullopt;
    return s.mid(start, i++ - start);
}

}  // namespace dialect::lexical
