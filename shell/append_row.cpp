#include "shell/append_row.h"

#include "server/client_dataset.h"

void AppendRow(ClientDataSet& dataset, const QList<std::pair<QString, QVariant>>& values) {
    wire::DataSet rows = dataset.toDataSet();
    QList<QVariant> cells(rows.fields.size());
    for (const auto& [field, value] : values)
        cells[RecordView::requireIndex(rows.fields, field)] = value;
    rows.rows.append(cells);
    dataset.assign(std::move(rows));
    dataset.last();
}
