#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "appserver/dialect/token.h"

namespace dialect {

// A statement with its literals lifted out: statements that differ only in their literals have
// the same key and share one translation.
struct StatementShape {
    QString key;
    QList<QVariant> literals;  // in order of appearance: texts as QString, numbers as integers or doubles
    QStringList literalTexts;  // the same literals as written
};

StatementShape shapeOf(const QList<Token>& tokens);

}  // namespace dialect
