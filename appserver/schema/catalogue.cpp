#include "appserver/schema/catalogue.h"

#include "appserver/schema/table_groups.h"

namespace schema {

const QList<Table>& Tables() {
    static const QList<Table> tables = OfficeTables() + NetworkTables() + SaleTables() + SettlementTables() +
                                       ServiceTables() + SummaryTables();
    return tables;
}

const Table* FindTable(QStringView name) {
    for (const Table& table : Tables()) {
        if (name.compare(table.name, Qt::CaseInsensitive) == 0)
            return &table;
    }
    return nullptr;
}

const Column* FindColumn(const Table& table, QStringView name) {
    for (const Column& column : table.columns) {
        if (name.compare(column.name, Qt::CaseInsensitive) == 0)
            return &column;
    }
    return nullptr;
}

int Version() {
    return 1;
}

}  // namespace schema
