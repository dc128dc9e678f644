#pragma once

#include <QCborMap>
#include <QList>

// The edits of a dataset as they go back through its provider. A row is identified by its values
// as they were read (the original row), so the server can find it without a row number.
struct RowChanges {
    struct Modification {
        QCborMap original;  // every field as it was read
        QCborMap changed;   // only the fields that now differ
    };

    QList<QCborMap> deleted;  // original rows
    QList<Modification> modified;
    QList<QCborMap> inserted;  // whole new rows

    bool isEmpty() const { return deleted.isEmpty() && modified.isEmpty() && inserted.isEmpty(); }
    // {deleted: [row...], modified: [[original, changed]...], inserted: [row...]}
    QCborMap toCbor() const;
};
