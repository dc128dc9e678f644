#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include "common/money.h"
#include "protocol/dataset.h"

// Read access to one row by field name (letter case ignored), with the conversions the client
// uses. It refers to the fields and cells it was made from and is valid while they are.
// A null cell reads as an empty text, 0 or false. An unknown field name throws
// std::out_of_range.
class RecordView {
public:
    RecordView(const QList<wire::Field>& fields, const QList<QVariant>& cells)
        : fields_(fields), cells_(cells) {}

    QVariant value(const QString& field) const;
    QString text(const QString& field) const;
    Money money(const QString& field) const;
    qint64 integer(const QString& field) const;
    bool boolean(const QString& field) const;

    static int indexOf(const QList<wire::Field>& fields, const QString& name);
    // As above but throws for an unknown name.
    static int requireIndex(const QList<wire::Field>& fields, const QString& name);

    // The conversions themselves, for one cell of a field of the given type.
    static QString cellText(wire::FieldType type, const QVariant& cell);
    static Money cellMoney(wire::FieldType type, const QVariant& cell);
    static qint64 cellInteger(wire::FieldType type, const QVariant& cell);
    static bool cellBoolean(wire::FieldType type, const QVariant& cell);

private:
    const QList<wire::Field>& fields_;
    const QList<QVariant>& cells_;
};
