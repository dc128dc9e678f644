#include "appserver/dialect/sql_writer.h"

namespace dialect {

// The station's tables belong to the server. The administrator's duplicate removal drops a table
// and selects the distinct rows back into it; emptying and refilling it instead keeps its indexes,
// defaults and auto-numbers.
WrittenStatement SqlWriter::write(const Statement& statement) {
    sql_.clear();
    placeholders_.clear();
    std::visit(
        [&](const auto& node) {
            using Node = std::decay_t<decltype(node)>;
            if constexpr (std::is_same_v<Node, Query>) {
                writeQuery(node);
            } else if constexpr (std::is_same_v<Node, Insert>) {
                writeInsert(node);
            } else if constexpr (std::is_same_v<Node, Update>) {
                writeUpdate(node);
            } else if constexpr (std::is_same_v<Node, Delete>) {
                writeDelete(node);
            } else {
                append(node.stationTable ? u"delete from " : u"drop table ");
                writeName(node.table);
            }
        },
        statement);
    return {sql_, placeholders_};
}

void SqlWriter::writeQuery(const Query& query) {
    const SelectCore& first = query.cores.front();
    if (!first.intoTable.isEmpty()) {
        append(first.intoStationTable ? u"insert into " : u"create table ");
        writeName(first.intoTable);
        append(first.intoStationTable ? u" " : u" as ");
    }
    // A row limit belongs to the whole statement when there is one select; a select of a union
    // that has its own limit is written as a derived table.
    const bool single = query.cores.size() == 1;
    for (size_t i = 0; i < query.cores.size(); ++i) {
        if (i > 0)
            append(query.unionAll[i - 1] ? u" union all " : u" union ");
        const SelectCore& core = query.cores[i];
        if (!single && core.top) {
            append(u"select * from (");
            writeSelectCore(core, true);
            append(u")");
        } else {
            writeSelectCore(core, false);
        }
    }
    if (!query.orderBy.empty()) {
        append(u" order by ");
        for (size_t i = 0; i < query.orderBy.size(); ++i) {
            if (i > 0)
                append(u",");
            writeExpression(*query.orderBy[i].expression);
            if (query.orderBy[i].descending)
                append(u" desc");
        }
    }
    if (single && first.top) {
        append(u" limit ");
        writeExpression(*first.top);
    }
}

void SqlWriter::writeSelectCore(const SelectCore& core, bool withTop) {
    append(u"select ");
    if (core.distinct)
        append(u"distinct ");
    for (size_t i = 0; i < core.items.size(); ++i) {
        if (i > 0)
            append(u",");
        const SelectItem& item = core.items[i];
        writeExpression(*item.expression);
        const QString& alias = item.alias.isEmpty() ? item.nameAsWritten : item.alias;
        if (!alias.isEmpty()) {
            append(u" as ");
            writeName(alias);
        }
    }
    if (!core.from.empty()) {
        append(u" from ");
        for (size_t i = 0; i < core.from.size(); ++i) {
            if (i > 0)
                append(u",");
            writeTableRef(core.from[i]);
        }
    }
    if (core.where) {
        append(u" where ");
        writeExpression(*core.where);
    }
    if (!core.groupBy.empty()) {
        append(u" group by ");
        writeList(core.groupBy);
    }
    if (core.having) {
        append(u" having ");
        writeExpression(*core.having);
    }
    if (withTop && core.top) {
        append(u" limit ");
        writeExpression(*core.top);
    }
}

void SqlWriter::writeTableRef(const TableRef& ref) {
    if (ref.derived) {
        append(u"(");
        writeQuery(*ref.derived);
        append(u")");
    } else {
        writeName(ref.table);
    }
    if (!ref.alias.isEmpty()) {
        append(u" ");
        writeName(ref.alias);
    }
}

void SqlWriter::writeInsert(const Insert& insert) {
    append(u"insert into ");
    writeName(insert.table);
    if (!insert.columns.isEmpty()) {
        append(u" (");
        for (qsizetype i = 0; i < insert.columns.size(); ++i) {
            if (i > 0)
                append(u",");
            writeName(insert.columns[i]);
        }
        append(u")");
    }
    if (insert.query) {
        append(u" ");
        writeQuery(*insert.query);
        return;
    }
    append(u" values ");
    for (size_t i = 0; i < insert.rows.size(); ++i) {
        if (i > 0)
            append(u",");
        append(u"(");
        writeList(insert.rows[i]);
        append(u")");
    }
}

void SqlWriter::writeUpdate(const Update& update) {
    append(u"update ");
    writeName(update.table);
    append(u" set ");
    for (size_t i = 0; i < update.assignments.size(); ++i) {
        if (i > 0)
            append(u",");
        writeName(update.assignments[i].column);
        append(u"=");
        writeExpression(*update.assignments[i].value);
    }
    if (update.where) {
        append(u" where ");
        writeExpression(*update.where);
    }
}

void SqlWriter::writeDelete(const Delete& deletion) {
    append(u"delete from ");
    writeName(deletion.table);
    if (deletion.where) {
        append(u" where ");
        writeExpression(*deletion.where);
    }
}

void SqlWriter::writeList(const std::vector<ExpressionPtr>& expressions, size_t from) {
    for (size_t i = from; i < expressions.size(); ++i) {
        if (i > from)
            append(u",");
        writeExpression(*expressions[i]);
    }
}

void SqlWriter::writeFunction(const Expression& function) {
    const auto& arguments = function.children;
    if (function.name == u"left" && arguments.size() == 2) {
        writeLeft(*arguments[0], *arguments[1]);
        return;
    }
    if (function.name == u"right" && arguments.size() == 2) {
        writeRight(*arguments[0], *arguments[1]);
        return;
    }
    if (function.name == u"charindex" && arguments.size() == 2) {
        writeCharindex(*arguments[0], *arguments[1]);
        return;
    }
    append(function.name);
    append(u"(");
    if (function.distinct)
        append(u"distinct ");
    writeList(arguments);
    append(u")");
}

// "||" binds tighter than arithmetic, so a sum or difference joined to a text keeps its own
// parentheses.
void SqlWriter::writeConcatenated(const Expression& operand) {
    const bool arithmetic = operand.kind == Expression::Kind::Binary &&
                            !(operand.name == u"+" && operand.type == ValueType::Text);
    if (arithmetic)
        append(u"(");
    writeExpression(operand);
    if (arithmetic)
        append(u")");
}

void SqlWriter::writeExpression(const Expression& expression) {
    using Kind = Expression::Kind;
    const auto& children = expression.children;
    switch (expression.kind) {
        case Kind::Column:
            if (!expression.qualifier.isEmpty()) {
                writeName(expression.qualifier);
                append(u".");
            }
            writeName(expression.name);
            return;
        case Kind::Star:
            if (!expression.qualifier.isEmpty()) {
                writeName(expression.qualifier);
                append(u".");
            }
            append(u"*");
            return;
        case Kind::Literal:
            placeholders_.append({expression.literal, expression.inYuan});
            append(placeholder(int(placeholders_.size())));
            return;
        case Kind::Null:
            append(u"null");
            return;
        case Kind::Unary:
            append(expression.name);
            // "not x", and "- -1" rather than a comment
            if (expression.name == u"not" || children[0]->kind == Kind::Unary)
                append(u" ");
            writeExpression(*children[0]);
            return;
        case Kind::Binary: {
            const bool joinsText = expression.name == u"+" && expression.type == ValueType::Text;
            if (joinsText) {
                writeConcatenated(*children[0]);
                append(u" || ");
                writeConcatenated(*children[1]);
                return;
            }
            writeExpression(*children[0]);
            if (expression.name == u"like")
                append(expression.negated ? u" not like " : u" like ");
            else
                append(QStringLiteral(" %1 ").arg(expression.name));
            writeExpression(*children[1]);
            return;
        }
        case Kind::Function:
            writeFunction(expression);
            return;
        case Kind::Subquery:
            append(u"(");
            writeQuery(*expression.query);
            append(u")");
            return;
        case Kind::Exists:
            append(expression.negated ? u"not exists (" : u"exists (");
            writeQuery(*expression.query);
            append(u")");
            return;
        case Kind::InQuery:
            writeExpression(*children[0]);
            append(expression.negated ? u" not in (" : u" in (");
            writeQuery(*expression.query);
            append(u")");
            return;
        case Kind::InList:
            writeExpression(*children[0]);
            append(expression.negated ? u" not in (" : u" in (");
            writeList(children, 1);
            append(u")");
            return;
        case Kind::Between:
            writeExpression(*children[0]);
            append(expression.negated ? u" not between " : u" between ");
            writeExpression(*children[1]);
            append(u" and ");
            writeExpression(*children[2]);
            return;
        case Kind::IsNull:
            writeExpression(*children[0]);
            append(expression.negated ? u" is not null" : u" is null");
            return;
        case Kind::Parenthesis:
            append(u"(");
            writeExpression(*children[0]);
            append(u")");
            return;
    }
}

}  // namespace dialect
