#include "protocol/dataset.h"

#include <QCborArray>

namespace wire {

namespace {

const QString kCols = QStringLiteral("cols");
const QString kRows = QStringLiteral("rows");

struct TypeName {
    FieldType type;
    const char* name;
};
constexpr TypeName kTypeNames[] = {
    {FieldType::Text, "text"}, {FieldType::Integer, "int"}, {FieldType::Money, "money"},
    {FieldType::Bool, "bool"}, {FieldType::Real, "real"},   {FieldType::Blob, "blob"},
};

QCborValue cellToCbor(const QVariant& cell) {
    if (cell.isNull()) return QCborValue(QCborValue::Null);
    switch (cell.typeId()) {
        case QMetaType::Bool: return QCborValue(cell.toBool());
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong: return QCborValue(cell.toLongLong());
        case QMetaType::Double:
        case QMetaType::Float: return QCborValue(cell.toDouble());
        case QMetaType::QByteArray: return QCborValue(cell.toByteArray());
        default: return QCborValue(cell.toString());
    }
}

QVariant cellFromCbor(const QCborValue& value) {
    if (value.isInteger()) return QVariant(value.toInteger());
    if (value.isDouble()) return QVariant(value.toDouble());
    if (value.isBool()) return QVariant(value.toBool());
    if (value.isString()) return QVariant(value.toString());
    if (value.isByteArray()) return QVariant(value.toByteArray());
    return QVariant();
}

}  // namespace

QString fieldTypeName(FieldType type) {
    for (const TypeName& t : kTypeNames) {
        if (t.type == type) return QString::fromLatin1(t.name);
    }
    return QStringLiteral("text");
}

std::optional<FieldType> fieldTypeFromName(QStringView name) {
    for (const TypeName& t : kTypeNames) {
        if (name == QLatin1String(t.name)) return t.type;
    }
    return std::nullopt;
}

QCborMap DataSet::toCbor() const {
    QCborArray cols;
    for (const Field& f : fields) cols.append(QCborArray{f.name, fieldTypeName(f.type)});
    QCborArray rowArray;
    for (const QList<QVariant>& row : rows) {
        QCborArray cells;
        for (const QVariant& cell : row) cells.append(cellToCbor(cell));
        rowArray.append(cells);
    }
    QCborMap map;
    map.insert(kCols, cols);
    map.insert(kRows, rowArray);
    return map;
}

std::optional<DataSet> DataSet::fromCbor(const QCborMap& map) {
    const QCborValue cols = map.value(kCols);
    const QCborValue rowsValue = map.value(kRows);
    if (!cols.isArray() || !rowsValue.isArray()) return std::nullopt;
    DataSet set;
    for (const QCborValue& col : cols.toArray()) {
        const QCborArray pair = col.toArray();
        if (pair.size() != 2 || !pair.at(0).isString()) return std::nullopt;
        const auto type = fieldTypeFromName(pair.at(1).toString());
        if (!type) return std::nullopt;
        set.fields.append({pair.at(0).toString(), *type});
    }
    for (const QCborValue& rowValue : rowsValue.toArray()) {
        if (!rowValue.isArray()) return std::nullopt;
        const QCborArray cells = rowValue.toArray();
        if (cells.size() != set.fields.size()) return std::nullopt;
        QList<QVariant> row;
        row.reserve(cells.size());
        for (const QCborValue& cell : cells) row.append(cellFromCbor(cell));
        set.rows.append(std::move(row));
    }
    return set;
}

}  // namespace wire
