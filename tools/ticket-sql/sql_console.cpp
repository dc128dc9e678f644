#include "tools/ticket-sql/sql_console.h"

#include <QCborArray>
#include <QCborMap>
#include <QRegularExpression>
#include <stdexcept>

#include "server/app_server.h"
#include "server/record_view.h"
#include "server/schema_names.h"
#include "tools/ticket-sql/call_arguments.h"

namespace {

const QString kCallCommand = QStringLiteral("\\call");

// Tabs and line breaks inside a cell would break the row apart; they are written as escapes.
QString tsvCell(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\') {
            escaped += QStringLiteral("\\\\");
        } else if (c == u'\t') {
            escaped += QStringLiteral("\\t");
        } else if (c == u'\n') {
            escaped += QStringLiteral("\\n");
        } else if (c == u'\r') {
            escaped += QStringLiteral("\\r");
        } else {
            escaped += c;
        }
    }
    return escaped;
}

QString scalarText(const QCborValue& value) {
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.isInteger())
        return QString::number(value.toInteger());
    if (value.isDouble())
        return QString::number(value.toDouble());
    if (value.isString())
        return value.toString();
    if (value.isNull() || value.isUndefined())
        return QString();
    return value.toDiagnosticNotation();
}

// The statement with its quoted literals blanked out, so words inside texts are not mistaken
// for keywords.
QString withoutLiterals(QStringView statement) {
    QString bare;
    bool inLiteral = false;
    for (const QChar c : statement) {
        if (c == u'\'') {
            inLiteral = !inLiteral;
            bare += u' ';
        } else {
            bare += inLiteral ? u' ' : c;
        }
    }
    return bare;
}

}  // namespace

bool SqlConsole::isQuery(QStringView statement) {
    static const QRegularExpression select(QStringLiteral("^\\s*\\(*\\s*select\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression into(QStringLiteral("\\binto\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QString bare = withoutLiterals(statement);
    return select.match(bare).hasMatch() && !into.match(bare).hasMatch();
}

void SqlConsole::run(const QString& line) {
    const QString statement = line.trimmed();
    if (statement.isEmpty())
        return;
    if (statement.startsWith(kCallCommand) &&
        (statement.size() == kCallCommand.size() || statement.at(kCallCommand.size()).isSpace())) {
        runCall(QStringView(statement).mid(kCallCommand.size()));
    } else if (isQuery(statement)) {
        printRows(server_.open(provider::Query, statement));
    } else {
        out_ << server_.ExeSql1(statement) << " rows affected\n";
    }
    out_.flush();
}

void SqlConsole::runCall(QStringView command) {
    const QStringView trimmed = command.trimmed();
    const qsizetype blank = trimmed.indexOf(u' ');
    const QString method = (blank < 0 ? trimmed : trimmed.left(blank)).toString();
    if (method.isEmpty())
        throw std::invalid_argument("\\call needs a method name");
    const auto arguments = parseCallArguments(blank < 0 ? QStringView() : trimmed.mid(blank + 1));
    if (!arguments)
        throw std::invalid_argument("\\call: a quote is not closed");
    printResult(server_.call(method, *arguments));
}

void SqlConsole::printResult(const QCborValue& result) {
    if (result.isMap()) {
        if (const auto data = wire::DataSet::fromCbor(result.toMap())) {
            printRows(*data);
            return;
        }
        const QCborMap map = result.toMap();
        for (auto it = map.begin(); it != map.end(); ++it) {
            out_ << tsvCell(scalarText(it.key())) << '\t' << tsvCell(scalarText(it.value())) << '\n';
        }
        return;
    }
    if (result.isArray()) {
        QStringList cells;
        for (const QCborValue& value : result.toArray())
            cells << tsvCell(scalarText(value));
        out_ << cells.join(u'\t') << '\n';
        return;
    }
    if (result.isNull() || result.isUndefined())
        return;
    out_ << scalarText(result) << '\n';
}

void SqlConsole::printRows(const wire::DataSet& data) {
    QStringList header;
    for (const wire::Field& field : data.fields)
        header << tsvCell(field.name);
    out_ << header.join(u'\t') << '\n';
    for (const QList<QVariant>& row : data.rows) {
        QStringList cells;
        for (int i = 0; i < data.fields.size(); ++i) {
            cells << tsvCell(RecordView::cellText(data.fields[i].type, row.value(i)));
        }
        out_ << cells.join(u'\t') << '\n';
    }
}
