#include "server/record_view.h"

#include <stdexcept>

int RecordView::indexOf(const QList<wire::Field>& fields, const QString& name) {
    for (int i = 0; i < fields.size(); ++i) {
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int RecordView::requireIndex(const QList<wire::Field>& fields, const QString& name) {
    const int index = indexOf(fields, name);
    if (index < 0)
        throw std::out_of_range("no field named " + name.toStdString());
    return index;
}

QVariant RecordView::value(const QString& field) const {
    return cells_.value(requireIndex(fields_, field));
}

QString RecordView::text(const QString& field) const {
    const int i = requireIndex(fields_, field);
    return cellText(fields_[i].type, cells_.value(i));
}

Money RecordView::money(const QString& field) const {
    const int i = requireIndex(fields_, field);
    return cellMoney(fields_[i].type, cells_.value(i));
}

qint64 RecordView::integer(const QString& field) const {
    const int i = requireIndex(fields_, field);
    return cellInteger(fields_[i].type, cells_.value(i));
}

bool RecordView::boolean(const QString& field) const {
    const int i = requireIndex(fields_, field);
    return cellBoolean(fields_[i].type, cells_.value(i));
}

QString RecordView::cellText(wire::FieldType type, const QVariant& cell) {
    if (cell.isNull())
        return QString();
    switch (type) {
        case wire::FieldType::Money:
            return cellMoney(type, cell).toText();
        case wire::FieldType::Bool:
            return cellBoolean(type, cell) ? QStringLiteral("1") : QStringLiteral("0");
        case wire::FieldType::Blob:
            return QString::fromUtf8(cell.toByteArray());
        default:
            return cell.toString();
    }
}

Money RecordView::cellMoney(wire::FieldType type, const QVariant& cell) {
    if (cell.isNull())
        return Money();
    switch (cell.typeId()) {
        // A whole number in a money column counts ten-thousandths; anywhere else it counts yuan.
        case QMetaType::LongLong:
        case QMetaType::Int:
            return type == wire::FieldType::Money ? Money::fromUnits(cell.toLongLong())
                                                  : Money::fromYuan(cell.toLongLong());
        // A real is read through its text with four decimals, so no arithmetic happens in floating point.
        case QMetaType::Double:
            return Money::parse(QString::number(cell.toDouble(), 'f', 4)).value_or(Money());
        default:
            return Money::parse(cell.toString()).value_or(Money());
    }
}

qint64 RecordView::cellInteger(wire::FieldType type, const QVariant& cell) {
    if (cell.isNull())
        return 0;
    if (type == wire::FieldType::Money)
        return cellMoney(type, cell).truncToYuan().units() / Money::kUnitsPerYuan;
    if (cell.typeId() == QMetaType::QString)
        return cell.toString().trimmed().toLongLong();
    return cell.toLongLong();
}

bool RecordView::cellBoolean(wire::FieldType type, const QVariant& cell) {
    if (cell.isNull())
        return false;
    if (cell.typeId() == QMetaType::QString) {
        const QString text = cell.toString().trimmed();
        return text == u"1" || text.compare(u"true", Qt::CaseInsensitive) == 0;
    }
    if (type == wire::FieldType::Money)
        return cell.toLongLong() != 0;
    return cell.toBool();
}
