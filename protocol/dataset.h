#pragma once

#include <QCborMap>
#include <QList>
#include <QString>
#include <QVariant>
#include <optional>

// Rows as they travel: {cols: [[name, type]], rows: [[...]]}. A cell is null, a text, a whole
// number, a real, a bit or bytes; money travels as a whole number of ten-thousandths of a yuan
// in a column of type Money.
namespace wire {

enum class FieldType { Text, Integer, Money, Bool, Real, Blob };

struct Field {
    QString name;
    FieldType type = FieldType::Text;
    bool operator==(const Field&) const = default;
};

struct DataSet {
    QList<Field> fields;
    // Cells by row, then by field: QString, qint64 (also money units), double, bool, QByteArray,
    // or a null QVariant.
    QList<QList<QVariant>> rows;

    QCborMap toCbor() const;
    // Nothing when the map is not a dataset or a row does not match the fields.
    static std::optional<DataSet> fromCbor(const QCborMap& map);
};

QString fieldTypeName(FieldType type);
std::optional<FieldType> fieldTypeFromName(QStringView name);

}  // namespace wire
