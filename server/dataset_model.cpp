#include "server/dataset_model.h"

#include "server/client_dataset.h"

DataSetModel::DataSetModel(ClientDataSet& dataSet, QObject* parent)
    : QAbstractTableModel(parent), dataSet_(dataSet) {
    connect(&dataSet_, &ClientDataSet::aboutToReset, this, &DataSetModel::beginResetModel);
    connect(&dataSet_, &ClientDataSet::reset, this, &DataSetModel::endResetModel);
    connect(&dataSet_, &ClientDataSet::rowChanged, this,
            [this](int row) { emit dataChanged(index(row, 0), index(row, columnCount() - 1)); });
    connect(&dataSet_, &ClientDataSet::cursorMoved, this, &DataSetModel::cursorRowChanged);
}

int DataSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : dataSet_.recordCount();
}

int DataSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(dataSet_.fields().size());
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const wire::Field& field = dataSet_.fields()[index.column()];
    switch (role) {
        case Qt::DisplayRole:
            return RecordView::cellText(field.type, dataSet_.rowAt(index.row()).value(field.name));
        case Qt::TextAlignmentRole: {
            const bool numeric = field.type == wire::FieldType::Money ||
                                 field.type == wire::FieldType::Integer ||
                                 field.type == wire::FieldType::Real;
            return static_cast<int>(Qt::AlignVCenter | (numeric ? Qt::AlignRight : Qt::AlignLeft));
        }
        default:
            return QVariant();
    }
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= columnCount())
        return QVariant();
    return dataSet_.fields()[section].name;
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

int DataSetModel::cursorRow() const {
    return dataSet_.recNo() - 1;
}

void DataSetModel::moveCursorTo(const QModelIndex& index) {
    if (index.isValid())
        dataSet_.setRecNo(index.row() + 1);
}
