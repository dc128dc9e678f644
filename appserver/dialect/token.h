#pragma once

#include <QString>

namespace dialect {

struct Token {
    enum class Kind { Word, QuotedName, Text, Number, Symbol, End };
    Kind kind = Kind::End;
    QString text;  // a word or name as written, a text literal's value, a number or a symbol
};

}  // namespace dialect
