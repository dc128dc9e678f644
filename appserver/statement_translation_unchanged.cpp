#include "appserver/statement_translation.h"

// Used while the build has no statement dialect: SQLite runs the workstation's text as it is.
struct StatementTranslation::Implementation {};

StatementTranslation::StatementTranslation() = default;

StatementTranslation::~StatementTranslation() = default;

StatementTranslation::Prepared StatementTranslation::prepare(QStringView statement) {
    return Prepared{statement.toString(), {}};
}
