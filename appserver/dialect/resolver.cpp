#include "appserver/dialect/resolver.h"

#include "appserver/schema/catalogue.h"

#include <optional>

namespace dialect {
namespace {

ValueType valueTypeOf(schema::ColumnType type) {
    switch (type) {
        case schema::ColumnType::Text:
        case schema::ColumnType::DateTime:
            return ValueType::Text;
        case schema::ColumnType::Money:
            return ValueType::Money;
        case schema::ColumnType::Integer:
        case schema::ColumnType::Bool:
        case schema::ColumnType::Real:
            return ValueType::Number;
        case schema::ColumnType::Blob:
            break;
    }
    return ValueType::Unknown;
}

struct NamedType {
    QString name;
    ValueType type = ValueType::Unknown;
};

// One table of a from clause: a catalogue table, or the columns a derived table yields.
struct Source {
    QString alias;
    const schema::Table* table = nullptr;
    QString writtenName;
    QList<NamedType> derivedColumns;

    bool answersTo(QStringView qualifier) const {
        if (!alias.isEmpty())
            return alias.compare(qualifier, Qt::CaseInsensitive) == 0;
        return writtenName.compare(qualifier, Qt::CaseInsensitive) == 0;
    }

    const schema::Column* catalogueColumn(QStringView name) const {
        return table ? schema::FindColumn(*table, name) : nullptr;
    }

    std::optional<ValueType> columnType(QStringView name) const {
        if (const schema::Column* column = catalogueColumn(name))
            return valueTypeOf(column->type);
        for (const NamedType& column : derivedColumns) {
            if (column.name.compare(name, Qt::CaseInsensitive) == 0)
                return column.type;
        }
        return std::nullopt;
    }

    QList<NamedType> allColumns() const {
        if (!table)
            return derivedColumns;
        QList<NamedType> columns;
        for (const schema::Column& column : table->columns)
            columns.append({column.name, valueTypeOf(column.type)});
        return columns;
    }
};

struct Scope {
    std::vector<Source> sources;
    const Scope* outer = nullptr;
};

const Source* findSource(const Scope* scope, QStringView qualifier) {
    for (; scope; scope = scope->outer) {
        for (const Source& source : scope->sources) {
            if (source.answersTo(qualifier))
                return &source;
        }
    }
    return nullptr;
}

ValueType columnType(const Scope* scope, const Expression& column) {
    if (!column.qualifier.isEmpty()) {
        const Source* source = findSource(scope, column.qualifier);
        return source ? source->columnType(column.name).value_or(ValueType::Unknown) : ValueType::Unknown;
    }
    for (; scope; scope = scope->outer) {
        for (const Source& source : scope->sources) {
            if (auto type = source.columnType(column.name))
                return *type;
        }
    }
    return ValueType::Unknown;
}

void resolveTableName(QString& name) {
    if (const schema::Table* table = schema::FindTable(name))
        name = table->name;
}

ValueType functionType(const Expression& function) {
    static const QStringList textFunctions = {u"left"_qs,  u"right"_qs, u"substring"_qs, u"ltrim"_qs,
                                              u"rtrim"_qs, u"upper"_qs, u"lower"_qs,     u"replace"_qs};
    static const QStringList numberFunctions = {u"charindex"_qs, u"len"_qs, u"count"_qs,
                                                u"abs"_qs,       u"avg"_qs, u"round"_qs};
    if (textFunctions.contains(function.name))
        return ValueType::Text;
    if (numberFunctions.contains(function.name))
        return ValueType::Number;
    if (function.name == u"sum" && function.children.size() == 1)
        return function.children.front()->type == ValueType::Money ? ValueType::Money : ValueType::Number;
    if ((function.name == u"min" || function.name == u"max") && function.children.size() == 1)
        return function.children.front()->type;
    return ValueType::Unknown;
}

// A number written where money is meant is an amount in yuan; the database holds ten-thousandths.
void markMoney(Expression& expression) {
    using Kind = Expression::Kind;
    switch (expression.kind) {
        case Kind::Literal:
            expression.inYuan = true;
            break;
        case Kind::Unary:
            if (expression.name != u"not")
                markMoney(*expression.children.front());
            break;
        case Kind::Parenthesis:
            markMoney(*expression.children.front());
            break;
        case Kind::Binary:
            if (expression.name == u"+" || expression.name == u"-") {
                markMoney(*expression.children[0]);
                markMoney(*expression.children[1]);
            }
            break;
        default:
            break;
    }
}

bool isComparison(const QString& op) {
    static const QStringList comparisons = {u"="_qs, u"<>"_qs, u"!="_qs, u"<"_qs,
                                            u">"_qs, u"<="_qs, u">="_qs};
    return comparisons.contains(op);
}

// Where one side of a comparison or a sum is money, a literal on the other side is in yuan.
void markMoneyBesideMoney(Expression& expression) {
    using Kind = Expression::Kind;
    auto& children = expression.children;
    const bool pairs =
        (expression.kind == Kind::Binary &&
         (isComparison(expression.name) || expression.name == u"+" || expression.name == u"-")) &&
        expression.type != ValueType::Text;
    if (pairs) {
        if (children[0]->type == ValueType::Money)
            markMoney(*children[1]);
        if (children[1]->type == ValueType::Money)
            markMoney(*children[0]);
        return;
    }
    if ((expression.kind == Kind::Between || expression.kind == Kind::InList) &&
        children.front()->type == ValueType::Money) {
        for (size_t i = 1; i < children.size(); ++i)
            markMoney(*children[i]);
    }
}

bool isMoneyColumn(const QString& table, QStringView column) {
    const schema::Table* found = schema::FindTable(table);
    const schema::Column* target = found ? schema::FindColumn(*found, column) : nullptr;
    return target && target->type == schema::ColumnType::Money;
}

// The columns an insert fills, in order: those it names, else every column of the table.
QStringList insertedColumns(const Insert& insert) {
    if (!insert.columns.isEmpty())
        return insert.columns;
    QStringList columns;
    if (const schema::Table* table = schema::FindTable(insert.table)) {
        for (const schema::Column& column : table->columns)
            columns.append(column.name);
    }
    return columns;
}

class Resolver {
  public:
    // Returns the columns that the query yields, as its first select names them.
    QList<NamedType> query(Query& query, const Scope* outer, bool outermost) {
        std::optional<Scope> firstScope;
        for (SelectCore& core : query.cores) {
            Scope scope = selectCore(core, outer, outermost);
            if (!firstScope)
                firstScope = std::move(scope);
        }
        for (OrderItem& item : query.orderBy)
            expression(*item.expression, &*firstScope);
        return columnsOf(query.cores.front(), *firstScope);
    }

    void insert(Insert& insert) {
        resolveTableName(insert.table);
        const QStringList columns = insertedColumns(insert);
        auto markAmounts = [&](auto& values, auto valueOf) {
            for (qsizetype i = 0; i < qsizetype(values.size()) && i < columns.size(); ++i) {
                if (isMoneyColumn(insert.table, columns[i]))
                    markMoney(valueOf(values[i]));
            }
        };
        for (auto& row : insert.rows) {
            for (auto& value : row)
                expression(*value, nullptr);
            markAmounts(row, [](ExpressionPtr& value) -> Expression& { return *value; });
        }
        if (insert.query) {
            query(*insert.query, nullptr, false);
            for (SelectCore& core : insert.query->cores)
                markAmounts(core.items, [](SelectItem& item) -> Expression& { return *item.expression; });
        }
    }

    void update(Update& update) {
        resolveTableName(update.table);
        Scope scope;
        scope.sources.push_back(tableSource(update.table, {}));
        for (Assignment& assignment : update.assignments) {
            expression(*assignment.value, &scope);
            if (isMoneyColumn(update.table, assignment.column))
                markMoney(*assignment.value);
        }
        if (update.where)
            expression(*update.where, &scope);
    }

    void deleteRows(Delete& deletion) {
        resolveTableName(deletion.table);
        Scope scope;
        scope.sources.push_back(tableSource(deletion.table, {}));
        if (deletion.where)
            expression(*deletion.where, &scope);
    }

  private:
    static Source tableSource(const QString& name, const QString& alias) {
        Source source;
        source.writtenName = name;
        source.alias = alias;
        source.table = schema::FindTable(name);
        return source;
    }

    // The columns a select yields, named by alias or column.
    static QList<NamedType> columnsOf(const SelectCore& core, const Scope& scope) {
        QList<NamedType> columns;
        for (const SelectItem& item : core.items) {
            const Expression& expression = *item.expression;
            if (expression.kind == Expression::Kind::Star) {
                for (const Source& source : scope.sources) {
                    if (expression.qualifier.isEmpty() || source.answersTo(expression.qualifier))
                        columns += source.allColumns();
                }
                continue;
            }
            QString name = item.alias;
            if (name.isEmpty() && expression.kind == Expression::Kind::Column)
                name = expression.name;
            columns.append({name, expression.type});
        }
        return columns;
    }

    Scope selectCore(SelectCore& core, const Scope* outer, bool outermost) {
        if (!core.intoTable.isEmpty()) {
            resolveTableName(core.intoTable);
            core.intoStationTable = schema::FindTable(core.intoTable) != nullptr;
        }
        Scope scope;
        scope.outer = outer;
        for (TableRef& ref : core.from) {
            if (ref.derived) {
                Source source;
                source.alias = ref.alias;
                source.derivedColumns = query(*ref.derived, outer, false);
                scope.sources.push_back(std::move(source));
            } else {
                resolveTableName(ref.table);
                scope.sources.push_back(tableSource(ref.table, ref.alias));
            }
        }
        if (core.top)
            expression(*core.top, &scope);
        for (SelectItem& item : core.items) {
            expression(*item.expression, &scope);
            if (outermost && item.alias.isEmpty())
                item.nameAsWritten = renamedColumn(*item.expression, scope);
        }
        if (core.where)
            expression(*core.where, &scope);
        for (auto& group : core.groupBy)
            expression(*group, &scope);
        if (core.having)
            expression(*core.having, &scope);
        return scope;
    }

    // The engine names a plain column by the catalogue's spelling; the workstation reads it by
    // the spelling it wrote.
    static QString renamedColumn(const Expression& expression, const Scope& scope) {
        if (expression.kind != Expression::Kind::Column)
            return {};
        for (const Source& source : scope.sources) {
            if (!expression.qualifier.isEmpty() && !source.answersTo(expression.qualifier))
                continue;
            if (const schema::Column* column = source.catalogueColumn(expression.name))
                return column->name == expression.name ? QString() : expression.name;
        }
        return {};
    }

    void expression(Expression& expression, const Scope* scope) {
        for (auto& child : expression.children)
            this->expression(*child, scope);
        if (expression.query)
            query(*expression.query, scope, false);

        using Kind = Expression::Kind;
        switch (expression.kind) {
            case Kind::Column:
                expression.type = columnType(scope, expression);
                break;
            case Kind::Literal:
                break;
            case Kind::Star:
            case Kind::Null:
                expression.type = ValueType::Unknown;
                break;
            case Kind::Binary: {
                const ValueType left = expression.children[0]->type;
                const ValueType right = expression.children[1]->type;
                const bool sum = expression.name == u"+" || expression.name == u"-";
                if (expression.name == u"+" && (left == ValueType::Text || right == ValueType::Text))
                    expression.type = ValueType::Text;
                else if (sum && (left == ValueType::Money || right == ValueType::Money))
                    expression.type = ValueType::Money;
                else
                    expression.type = ValueType::Number;
                markMoneyBesideMoney(expression);
                break;
            }
            case Kind::Function:
                expression.type = functionType(expression);
                break;
            case Kind::Subquery:
                expression.type = expression.query->cores.front().items.front().expression->type;
                break;
            case Kind::Parenthesis:
                expression.type = expression.children.front()->type;
                break;
            case Kind::Unary:
                expression.type =
                    expression.name != u"not" && expression.children.front()->type == ValueType::Money
                        ? ValueType::Money
                        : ValueType::Number;
                break;
            case Kind::InList:
            case Kind::Between:
                markMoneyBesideMoney(expression);
                expression.type = ValueType::Number;
                break;
            case Kind::Exists:
            case Kind::InQuery:
            case Kind::IsNull:
                expression.type = ValueType::Number;
                break;
        }
    }
};

}  // namespace

void resolve(Statement& statement) {
    Resolver resolver;
    std::visit(
        [&](auto& node) {
            using Node = std::decay_t<decltype(node)>;
            if constexpr (std::is_same_v<Node, Query>)
                resolver.query(node, nullptr, true);
            else if constexpr (std::is_same_v<Node, Insert>)
                resolver.insert(node);
            else if constexpr (std::is_same_v<Node, Update>)
                resolver.update(node);
            else if constexpr (std::is_same_v<Node, Delete>)
                resolver.deleteRows(node);
            else {
                resolveTableName(node.table);
                node.stationTable = schema::FindTable(node.table) != nullptr;
            }
        },
        statement);
}

}  // namespace dialect
