#include "appserver/dialect/resolver.h"

#include "appserver/schema/catalogue.h"

#include <optional>

namespace dialect {
namespace {

ValueType valueTypeOf(schema::ColumnType type)
{
    switch (type) {
    case schema::ColumnType::Text:
    case schema::ColumnType::DateTime:
        return ValueType::Text;
    case schema::ColumnType::Integer:
    case schema::ColumnType::Money:
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

    bool answersTo(QStringView qualifier) const
    {
        if (!alias.isEmpty())
            return alias.compare(qualifier, Qt::CaseInsensitive) == 0;
        return writtenName.compare(qualifier, Qt::CaseInsensitive) == 0;
    }

    const schema::Column* catalogueColumn(QStringView name) const
    {
        return table ? schema::FindColumn(*table, name) : nullptr;
    }

    std::optional<ValueType> columnType(QStringView name) const
    {
        if (const schema::Column* column = catalogueColumn(name))
            return valueTypeOf(column->type);
        for (const NamedType& column : derivedColumns) {
            if (column.name.compare(name, Qt::CaseInsensitive) == 0)
                return column.type;
        }
        return std::nullopt;
    }

    QList<NamedType> allColumns() const
    {
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

const Source* findSource(const Scope* scope, QStringView qualifier)
{
    for (; scope; scope = scope->outer) {
        for (const Source& source : scope->sources) {
            if (source.answersTo(qualifier))
                return &source;
        }
    }
    return nullptr;
}

ValueType columnType(const Scope* scope, const Expression& column)
{
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

void resolveTableName(QString& name)
{
    if (const schema::Table* table = schema::FindTable(name))
        name = table->name;
}

ValueType functionType(const Expression& function)
{
    static const QStringList textFunctions = {u"left"_qs,  u"right"_qs, u"substring"_qs, u"ltrim"_qs,
                                              u"rtrim"_qs, u"upper"_qs, u"lower"_qs,     u"replace"_qs};
    static const QStringList numberFunctions = {u"charindex"_qs, u"len"_qs, u"count"_qs,
                                                u"abs"_qs,       u"avg"_qs, u"round"_qs};
    if (textFunctions.contains(function.name))
        return ValueType::Text;
    if (numberFunctions.contains(function.name))
        return ValueType::Number;
    if (function.name == u"sum")
        return ValueType::Number;
    if ((function.name == u"min" || function.name == u"max") && function.children.size() == 1)
        return function.children.front()->type;
    return ValueType::Unknown;
}

class Resolver {
public:
    // Returns the columns that the query yields, as its first select names them.
    QList<NamedType> query(Query& query, const Scope* outer, bool outermost)
    {
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

    void insert(Insert& insert)
    {
        resolveTableName(insert.table);
        for (auto& row : insert.rows) {
            for (auto& value : row)
                expression(*value, nullptr);
        }
        if (insert.query)
            query(*insert.query, nullptr, false);
    }

    void update(Update& update)
    {
        resolveTableName(update.table);
        Scope scope;
        scope.sources.push_back(tableSource(update.table, {}));
        for (Assignment& assignment : update.assignments)
            expression(*assignment.value, &scope);
        if (update.where)
            expression(*update.where, &scope);
    }

    void deleteRows(Delete& deletion)
    {
        resolveTableName(deletion.table);
        Scope scope;
        scope.sources.push_back(tableSource(deletion.table, {}));
        if (deletion.where)
            expression(*deletion.where, &scope);
    }

private:
    static Source tableSource(const QString& name, const QString& alias)
    {
        Source source;
        source.writtenName = name;
        source.alias = alias;
        source.table = schema::FindTable(name);
        return source;
    }

    // The columns a select yields, named by alias or column.
    static QList<NamedType> columnsOf(const SelectCore& core, const Scope& scope)
    {
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

    Scope selectCore(SelectCore& core, const Scope* outer, bool outermost)
    {
        if (!core.intoTable.isEmpty())
            resolveTableName(core.intoTable);
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
    static QString renamedColumn(const Expression& expression, const Scope& scope)
    {
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

    void expression(Expression& expression, const Scope* scope)
    {
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
        case Kind::Binary:
            if (expression.name == u"+") {
                const bool text = expression.children[0]->type == ValueType::Text
                                  || expression.children[1]->type == ValueType::Text;
                expression.type = text ? ValueType::Text : ValueType::Number;
            } else {
                expression.type = ValueType::Number;
            }
            break;
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
        case Kind::Exists:
        case Kind::InQuery:
        case Kind::InList:
        case Kind::Between:
        case Kind::IsNull:
            expression.type = ValueType::Number;
            break;
        }
    }
};

}  // namespace

void resolve(Statement& statement)
{
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
            else
                resolveTableName(node.table);
        },
        statement);
}

}  // namespace dialect
