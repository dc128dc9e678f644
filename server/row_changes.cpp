#include "server/row_changes.h"

#include <QCborArray>

QCborMap RowChanges::toCbor() const {
    QCborArray deletedRows;
    for (const QCborMap& row : deleted)
        deletedRows.append(row);
    QCborArray modifiedRows;
    for (const Modification& m : modified)
        modifiedRows.append(QCborArray{m.original, m.changed});
    QCborArray insertedRows;
    for (const QCborMap& row : inserted)
        insertedRows.append(row);
    QCborMap map;
    map.insert(QStringLiteral("deleted"), deletedRows);
    map.insert(QStringLiteral("modified"), modifiedRows);
    map.insert(QStringLiteral("inserted"), insertedRows);
    return map;
}
