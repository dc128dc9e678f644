#pragma once

#include <QCborValue>
#include <QString>
#include <QTextStream>

#include "protocol/dataset.h"

class AppServer;

// Runs what an administrator types, one line at a time: a select prints its rows as
// tab-separated values under a header line, any other statement prints "N rows affected", and
// `\call METHOD ARG...` prints whatever the method returns. A failure is thrown (ServerError from
// the server, std::invalid_argument for a line that cannot be sent).
class SqlConsole {
public:
    SqlConsole(AppServer& server, QTextStream& out) : server_(server), out_(out) {}

    void run(const QString& line);

    // A statement that returns rows: a select that does not write them into a table.
    static bool isQuery(QStringView statement);

private:
    void runCall(QStringView command);
    void printResult(const QCborValue& result);
    void printRows(const wire::DataSet& data);

    AppServer& server_;
    QTextStream& out_;
};
