#pragma once

#include <QCborArray>
#include <QCborValue>
#include <QStringList>
#include <functional>

#include "protocol/dataset.h"
#include "server/app_server.h"

// An application server whose answers the test writes: every call is recorded as
// "method: first argument" and answered by `answer`.
class ScriptedServer : public AppServer {
public:
    using Answer = std::function<QCborValue(const QString& method, const QCborArray& args)>;

    explicit ScriptedServer(Answer answer) : answer_(std::move(answer)) {}

    QCborValue call(const QString& method, const QCborArray& args) override {
        const QCborValue first = args.isEmpty() ? QCborValue() : args.at(0);
        calls << method + QStringLiteral(": ") +
                     (first.isArray() ? first.toArray().toVariantList().constFirst().toString() : first.toString());
        return answer_(method, args);
    }

    QStringList calls;

private:
    Answer answer_;
};

// A dataset of one row: the given text and money columns.
inline wire::DataSet OneRow(const QList<wire::Field>& fields, const QList<QVariant>& cells) {
    wire::DataSet data;
    data.fields = fields;
    data.rows = {cells};
    return data;
}
