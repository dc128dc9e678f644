#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>

#include <optional>

namespace dialect {

// A statement with its literals lifted out: statements that differ only in their literals have
// the same key and share one translation. The key is the statement as written with each literal
// replaced by a mark, so reading it costs one pass and no tokens.
struct StatementShape {
    QString key;
    QList<QVariant> literals;  // in order of appearance: texts as QString, numbers as integers or doubles
    QStringList literalTexts;  // the same literals as written
};

// Nothing when a text literal never closes.
std::optional<StatementShape> shapeOf(QStringView statement);

}  // namespace dialect
