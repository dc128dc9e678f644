#pragma once

#include "appserver/dialect/ast.h"

namespace dialect {

// Resolves table names against the station's catalogue (letter case ignored, the catalogue's
// spelling written back), follows aliases and derived tables, and types every expression so
// that the writers can tell a joined text from a sum.
void resolve(Statement& statement);

}  // namespace dialect
