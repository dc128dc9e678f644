#include "appserver/dialect/translator.h"
#include "appserver/statement_translation.h"

struct StatementTranslation::Implementation {
    dialect::Translator translator{dialect::Target::Sqlite};
};

StatementTranslation::StatementTranslation() : implementation_(std::make_unique<Implementation>()) {}

StatementTranslation::~StatementTranslation() = default;

StatementTranslation::Prepared StatementTranslation::prepare(QStringView statement) {
    dialect::Translated translated = implementation_->translator.translate(statement);
    return Prepared{std::move(translated.sql), std::move(translated.parameters)};
}
