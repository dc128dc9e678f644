#include <QHash>

#include "appserver/methods.h"
#include "appserver/providers.h"
#include "appserver/quoted_identifier.h"
#include "appserver/statement_runner.h"

// Rows a workstation edited in a fixed provider's dataset go back as statements the server writes:
// each deleted or modified row is found by all of its original values, so a row that someone else
// changed in the meantime is not touched and the whole write-back fails.
namespace methods {

namespace {

const QString kPasswordColumn = QStringLiteral("操作员密码");

QVariant valueOf(const QCborValue& value) {
    if (value.isInteger())
        return QVariant(value.toInteger());
    if (value.isDouble())
        return QVariant(value.toDouble());
    if (value.isBool())
        return QVariant(static_cast<qint64>(value.toBool() ? 1 : 0));
    if (value.isString())
        return QVariant(value.toString());
    if (value.isByteArray())
        return QVariant(value.toByteArray());
    return QVariant();
}

[[noreturn]] void refuse(const QString& message) {
    throw MethodError(wire::ErrorCode::BadArguments, message);
}

class WriteBack {
  public:
    WriteBack(const MethodCall& call, const QString& table) : call_(call), table_(table) {
        for (const QString& column : call.session.db->columnNames(table))
            columns_.insert(column.toLower(), column);
    }

    qint64 remove(const QCborMap& original) {
        QList<QVariant> parameters;
        const QString where = matching(original, parameters);
        return expectOne(
            QStringLiteral("DELETE FROM %1 WHERE rowid IN (SELECT rowid FROM %1 WHERE %2 LIMIT 1)")
                .arg(quotedIdentifier(table_), where),
            parameters);
    }

    qint64 modify(const QCborMap& original, const QCborMap& changed) {
        if (changed.isEmpty())
            return 0;
        QStringList assignments;
        QList<QVariant> parameters;
        for (auto it = changed.constBegin(); it != changed.constEnd(); ++it) {
            assignments.append(column(it.key()) + QStringLiteral(" = ?"));
            parameters.append(valueOf(it.value()));
        }
        const QString where = matching(original, parameters);
        return expectOne(
            QStringLiteral("UPDATE %1 SET %2 WHERE rowid IN (SELECT rowid FROM %1 WHERE %3 LIMIT 1)")
                .arg(quotedIdentifier(table_), assignments.join(QStringLiteral(", ")), where),
            parameters);
    }

    qint64 insert(const QCborMap& row) {
        if (row.isEmpty())
            refuse(QStringLiteral("参数错误 / an inserted row needs at least one column"));
        QStringList names;
        QStringList placeholders;
        QList<QVariant> parameters;
        for (auto it = row.constBegin(); it != row.constEnd(); ++it) {
            names.append(column(it.key()));
            placeholders.append(QStringLiteral("?"));
            parameters.append(valueOf(it.value()));
        }
        return statement_runner::runServerStatement(
                   call_,
                   QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(quotedIdentifier(table_), names.join(QStringLiteral(", ")),
                            placeholders.join(QStringLiteral(", "))),
                   parameters)
            .rowsAffected;
    }

  private:
    // The column as the table names it, quoted; a name the table lacks is refused.
    QString column(const QCborValue& key) const {
        const QString name = key.toString();
        const auto found = columns_.constFind(name.toLower());
        if (!key.isString() || found == columns_.constEnd()) {
            refuse(QStringLiteral("表%1没有字段%2 / table %1 has no column %2").arg(table_, name));
        }
        return quotedIdentifier(*found);
    }

    // The password column is always empty on the wire, so it cannot identify a row.
    QString matching(const QCborMap& original, QList<QVariant>& parameters) const {
        QStringList terms;
        for (auto it = original.constBegin(); it != original.constEnd(); ++it) {
            const QString name = column(it.key());
            if (it.key().toString().compare(kPasswordColumn, Qt::CaseInsensitive) == 0)
                continue;
            terms.append(name + QStringLiteral(" IS ?"));
            parameters.append(valueOf(it.value()));
        }
        if (terms.isEmpty())
            refuse(QStringLiteral("参数错误 / an original row needs at least one column"));
        return terms.join(QStringLiteral(" AND "));
    }

    qint64 expectOne(const QString& sql, const QList<QVariant>& parameters) {
        const qint64 affected = statement_runner::runServerStatement(call_, sql, parameters).rowsAffected;
        if (affected != 1) {
            throw MethodError(
                wire::ErrorCode::StatementFailed,
                QStringLiteral("记录已被其他用户修改或删除 / a row was changed or deleted by someone else"));
        }
        return affected;
    }

    const MethodCall& call_;
    const QString table_;
    QHash<QString, QString> columns_;  // lower-cased name -> name
};

}  // namespace

QCborValue applyUpdates(const MethodCall& call) {
    call.expectCount(2);
    const QString provider = call.text(0);
    const auto fixed = providers::fixedProvider(provider);
    if (!fixed)
        refuse(QStringLiteral("只有固定数据提供者可以回写 / provider %1 takes no write-back").arg(provider));
    const QCborMap changes = call.map(1);
    return statement_runner::runAtomically(call, [&] {
        WriteBack writeBack(call, fixed->table);
        qint64 affected = 0;
        for (const QCborValue& row : changes.value(QStringLiteral("deleted")).toArray()) {
            affected += writeBack.remove(row.toMap());
        }
        for (const QCborValue& pair : changes.value(QStringLiteral("modified")).toArray()) {
            const QCborArray both = pair.toArray();
            if (both.size() != 2)
                refuse(QStringLiteral("参数错误 / a modified row is [original, changed values]"));
            affected += writeBack.modify(both.at(0).toMap(), both.at(1).toMap());
        }
        for (const QCborValue& row : changes.value(QStringLiteral("inserted")).toArray()) {
            affected += writeBack.insert(row.toMap());
        }
        return affected;
    });
}

}  // namespace methods
