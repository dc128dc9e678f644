#pragma once

#include <QList>
#include <QStringView>

#include <optional>

#include "appserver/dialect/token.h"

namespace dialect {

// Splits a statement into tokens, ending with one End token. Words are Chinese or ASCII
// names and keywords; "[x]" and "\"x\"" are quoted names. Returns nothing for text the
// dialect does not read (an open literal, comments, characters outside names and symbols).
std::optional<QList<Token>> tokenize(QStringView statement);

}  // namespace dialect
