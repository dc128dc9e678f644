#include "appserver/result_shape.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <cmath>

#include "appserver/schema/catalogue.h"

namespace {

const QString kPasswordColumn = QStringLiteral("操作员密码");

std::optional<wire::FieldType> fieldTypeOf(schema::ColumnType type) {
    switch (type) {
        case schema::ColumnType::Money:
            return wire::FieldType::Money;
        case schema::ColumnType::Bool:
            return wire::FieldType::Bool;
        case schema::ColumnType::Integer:
            return wire::FieldType::Integer;
        case schema::ColumnType::Real:
            return wire::FieldType::Real;
        case schema::ColumnType::Blob:
            return wire::FieldType::Blob;
        case schema::ColumnType::Text:
        case schema::ColumnType::DateTime:
            return wire::FieldType::Text;
    }
    return std::nullopt;
}

// Column names that mean money in every table that has them, lower-cased.
const QSet<QString>& moneyNames() {
    static const QSet<QString> names = [] {
        QHash<QString, bool> alwaysMoney;
        for (const schema::Table& table : schema::Tables()) {
            for (const schema::Column& column : table.columns) {
                const QString key = column.name.toLower();
                const bool money = column.type == schema::ColumnType::Money;
                alwaysMoney.insert(key, alwaysMoney.value(key, true) && money);
            }
        }
        QSet<QString> result;
        for (auto it = alwaysMoney.cbegin(); it != alwaysMoney.cend(); ++it) {
            if (it.value())
                result.insert(it.key());
        }
        return result;
    }();
    return names;
}

// An expression column (sum(票价), 票价 as alias of a money column) has no origin; its name still
// tells whether it carries money units.
bool namesMoney(const QString& columnName) {
    static const QRegularExpression aggregate(
        QStringLiteral(R"(^\s*(?:sum|min|max|total|avg)\s*\(\s*(.+?)\s*\)\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = aggregate.match(columnName);
    const QString inner = match.hasMatch() ? match.captured(1) : columnName.trimmed();
    return moneyNames().contains(inner.toLower());
}

wire::FieldType typeOfValues(const QList<QList<QVariant>>& rows, int column) {
    for (const auto& row : rows) {
        const QVariant& value = row.at(column);
        if (value.isNull())
            continue;
        switch (value.typeId()) {
            case QMetaType::LongLong:
                return wire::FieldType::Integer;
            case QMetaType::Double:
                return wire::FieldType::Real;
            case QMetaType::QByteArray:
                return wire::FieldType::Blob;
            default:
                return wire::FieldType::Text;
        }
    }
    return wire::FieldType::Text;
}

wire::FieldType typeOfColumn(const engine::Result& result, int column) {
    const engine::ColumnInfo& info = result.columns.at(column);
    if (const schema::Table* table = schema::FindTable(info.originTable)) {
        if (const schema::Column* found = schema::FindColumn(*table, info.originColumn)) {
            if (const auto type = fieldTypeOf(found->type))
                return *type;
        }
    }
    if (info.originTable.isEmpty() && namesMoney(info.name))
        return wire::FieldType::Money;
    return typeOfValues(result.rows, column);
}

QVariant cellOf(const QVariant& value, wire::FieldType type) {
    if (value.isNull())
        return value;
    switch (type) {
        case wire::FieldType::Money:
            if (value.typeId() == QMetaType::Double)
                return QVariant(static_cast<qint64>(std::llround(value.toDouble())));
            return QVariant(value.toLongLong());
        case wire::FieldType::Bool:
            return QVariant(value.toLongLong() != 0);
        default:
            return value;
    }
}

}  // namespace

wire::DataSet shapeResult(const engine::Result& result) {
    wire::DataSet set;
    QList<bool> hidden;
    for (int i = 0; i < result.columns.size(); ++i) {
        const engine::ColumnInfo& info = result.columns.at(i);
        set.fields.append({info.name, typeOfColumn(result, i)});
        hidden.append(info.name.compare(kPasswordColumn, Qt::CaseInsensitive) == 0 ||
                      info.originColumn.compare(kPasswordColumn, Qt::CaseInsensitive) == 0);
        if (hidden.last())
            set.fields.last().type = wire::FieldType::Text;
    }
    set.rows.reserve(result.rows.size());
    for (const auto& row : result.rows) {
        QList<QVariant> cells;
        cells.reserve(row.size());
        for (int i = 0; i < row.size(); ++i) {
            cells.append(hidden.at(i) ? QVariant(QString()) : cellOf(row.at(i), set.fields.at(i).type));
        }
        set.rows.append(std::move(cells));
    }
    return set;
}
