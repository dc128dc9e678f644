#pragma once

#include <QCborArray>
#include <QCborValue>
#include <QStringList>
#include <functional>

#include "appserver/schema/catalogue.h"
#include "protocol/dataset.h"
#include "server/app_server.h"
#include "tests/dialect/station_database.h"

// The application server's statement path in-process: statements go through the server's dialect
// into an in-memory database with every table of the station; Send_Get_Data answers with an empty
// text. Calls are recorded as "method: statement"; beforeGroup runs just before each ExecBatch group, as another workstation
// would.
class StationServer : public AppServer {
public:
    QCborValue call(const QString& method, const QCborArray& args) override {
        if (method == u"Open") {
            calls << method + QStringLiteral(": ") + args.at(1).toString();
            return rowsOf(args.at(1).toString()).toCbor();
        }
        if (method == u"ExecBatch") {
            const QStringList statements = QVariant(args.at(0).toArray().toVariantList()).toStringList();
            calls << method + QStringLiteral(": ") + statements.join(QStringLiteral("; "));
            if (beforeGroup) beforeGroup();
            for (const QString& statement : statements) database.translateAndRun(statement);
            return 0;
        }
        calls << method + QStringLiteral(": ") + args.at(0).toString();
        if (method == u"Send_Get_Data") return QString();
        database.translateAndRun(args.at(0).toString());
        return 0;
    }

    // The rows of a query, each row's cells joined with "|".
    QStringList rowTexts(const QString& query) {
        QStringList texts;
        for (const QVariantList& row : database.translateAndRun(query)) {
            QStringList cells;
            for (const QVariant& cell : row) cells << cell.toString();
            texts << cells.join(u'|');
        }
        return texts;
    }

    StationDatabase database;
    QStringList calls;
    std::function<void()> beforeGroup;

private:
    // Money columns travel as ten-thousandths in a column of type Money.
    static wire::FieldType typeOf(const QString& column, const QVariant& cell) {
        for (const schema::Table& table : schema::Tables()) {
            const schema::Column* found = schema::FindColumn(table, column);
            if (found && found->type == schema::ColumnType::Money) return wire::FieldType::Money;
        }
        return cell.typeId() == QMetaType::LongLong ? wire::FieldType::Integer : wire::FieldType::Text;
    }

    wire::DataSet rowsOf(const QString& query) {
        wire::DataSet data;
        const QList<QVariantList> rows = database.translateAndRun(query);
        for (int column = 0; column < database.columnNames().size(); ++column) {
            const QVariant sample = rows.isEmpty() ? QVariant() : rows.first().at(column);
            data.fields << wire::Field{database.columnNames().at(column), typeOf(database.columnNames().at(column), sample)};
        }
        for (const QVariantList& row : rows) data.rows << row;
        return data;
    }
};
