#pragma once

#include <QList>

#include <optional>

#include "appserver/dialect/ast.h"
#include "appserver/dialect/token.h"

namespace dialect {

// Reads one statement of the workstations' subset from its tokens (ending with End).
// Literals are numbered in order of appearance. Returns nothing for anything outside the subset.
std::optional<Statement> parseStatement(const QList<Token>& tokens);

}  // namespace dialect
