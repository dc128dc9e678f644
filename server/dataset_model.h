#pragma once

#include <QAbstractTableModel>

class ClientDataSet;

// The visible rows of a ClientDataSet for a grid: one column per field, headed by the field name,
// cells as their text (money in its shortest decimal form). Read-only; the grid's current row and
// the dataset's cursor follow each other through cursorRow() / moveCursorTo() and cursorRowChanged.
class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataSetModel(ClientDataSet& dataSet, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The row of the dataset's cursor, -1 when the set is empty.
    int cursorRow() const;
    // Moves the dataset's cursor to the row of index (a grid's new current row).
    void moveCursorTo(const QModelIndex& index);

signals:
    void cursorRowChanged(int row);

private:
    ClientDataSet& dataSet_;
};
