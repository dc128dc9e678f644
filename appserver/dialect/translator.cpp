#include "appserver/dialect/translator.h"

#include <QHash>

#include <cmath>
#include <mutex>
#include <shared_mutex>

#include "appserver/dialect/parser.h"
#include "appserver/dialect/resolver.h"
#include "appserver/dialect/sqlite_writer.h"
#include "appserver/dialect/statement_shape.h"
#include "appserver/dialect/tokenizer.h"
#include "common/money.h"

namespace dialect {
namespace {

// A translation without its values: which literal binds to each placeholder.
struct CachedTranslation {
    QString sql;
    QList<Placeholder> placeholders;
    bool passedThrough = false;
};

// The administrator's console can send any number of different statements; past this many
// shapes the cache starts afresh.
constexpr qsizetype kMostShapes = 10000;

CachedTranslation translateShape(Target target, const QList<Token>& tokens) {
    // SQLite is the only engine with a writer so far; for the others every statement goes as sent.
    if (target != Target::Sqlite)
        return {{}, {}, true};
    std::optional<Statement> statement = parseStatement(tokens);
    if (!statement)
        return {{}, {}, true};
    resolve(*statement);
    SqliteWriter writer;
    WrittenStatement written = writer.write(*statement);
    return {written.sql, written.placeholders, false};
}

// An amount written in yuan ("25.5", '12') as the ten-thousandths the database holds; a text
// that is no amount stays as it was.
QVariant tenThousandths(const QString& written, const QVariant& value) {
    if (const std::optional<Money> amount = Money::parse(written))
        return qlonglong(amount->units());
    bool number = false;
    const double yuan = written.toDouble(&number);
    return number ? QVariant(qlonglong(std::llround(yuan * Money::kUnitsPerYuan))) : value;
}

}  // namespace

struct Translator::Cache {
    std::shared_mutex mutex;
    QHash<QString, CachedTranslation> byShape;
};

Translator::Translator(Target target) : target_(target), cache_(std::make_unique<Cache>()) {}

Translator::~Translator() = default;

Translated Translator::translate(QStringView statement) {
    const std::optional<StatementShape> shape = shapeOf(statement);
    if (!shape)
        return {statement.toString(), {}, true};

    CachedTranslation translation;
    bool cached = false;
    {
        std::shared_lock lock(cache_->mutex);
        auto found = cache_->byShape.constFind(shape->key);
        if (found != cache_->byShape.constEnd()) {
            translation = *found;
            cached = true;
        }
    }
    if (!cached) {
        const std::optional<QList<Token>> tokens = tokenize(statement);
        translation = tokens ? translateShape(target_, *tokens) : CachedTranslation{{}, {}, true};
        std::unique_lock lock(cache_->mutex);
        if (cache_->byShape.size() >= kMostShapes)
            cache_->byShape.clear();
        cache_->byShape.insert(shape->key, translation);
    }

    if (translation.passedThrough)
        return {statement.toString(), {}, true};
    Translated result;
    result.sql = translation.sql;
    result.parameters.reserve(translation.placeholders.size());
    for (const Placeholder& placeholder : translation.placeholders) {
        const QVariant& value = shape->literals[placeholder.literal];
        result.parameters.append(
            placeholder.inYuan ? tenThousandths(shape->literalTexts[placeholder.literal], value) : value);
    }
    return result;
}

}  // namespace dialect
