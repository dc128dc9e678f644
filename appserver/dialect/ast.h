#pragma once

#include <QList>
#include <QString>

#include <memory>
#include <variant>
#include <vector>

namespace dialect {

struct Query;

// What an expression yields, as far as the dialect needs to know: `+` joins texts and adds numbers.
// Money is a number that the workstations write in yuan and the database holds in ten-thousandths.
enum class ValueType { Unknown, Text, Number, Money };

struct Expression {
    enum class Kind {
        Column,   // qualifier.name or name
        Star,     // * or qualifier.*
        Literal,  // a text or a number lifted out of the statement
        Null,
        Unary,       // op child[0]: "-", "+" or "not"
        Binary,      // child[0] op child[1]: arithmetic, comparison, "and", "or", "like"
        Function,    // name(children), distinct for count(distinct x)
        Subquery,    // (select ...) as a value
        Exists,      // [not] exists (select ...)
        InQuery,     // child[0] [not] in (select ...)
        InList,      // child[0] [not] in (children[1..])
        Between,     // child[0] [not] between child[1] and child[2]
        IsNull,      // child[0] is [not] null
        Parenthesis  // (child[0])
    };
    Kind kind = Kind::Column;
    QString name;       // column or function name, or operator in lower case
    QString qualifier;  // table or alias before the dot
    int literal = -1;   // index of the literal in the statement, in order of appearance
    bool negated = false;
    bool distinct = false;
    bool inYuan = false;  // a literal amount of money, bound as ten-thousandths
    std::vector<std::unique_ptr<Expression>> children;
    std::unique_ptr<Query> query;
    ValueType type = ValueType::Unknown;  // filled by the resolver
};
using ExpressionPtr = std::unique_ptr<Expression>;

struct TableRef {
    QString table;                   // a named table, in the catalogue's spelling once resolved
    std::unique_ptr<Query> derived;  // or a sub-select in parentheses
    QString alias;
};

struct SelectItem {
    ExpressionPtr expression;
    QString alias;
    QString nameAsWritten;  // set by the resolver when the engine would name the column otherwise
};

struct SelectCore {
    bool distinct = false;
    ExpressionPtr top;
    std::vector<SelectItem> items;
    QString intoTable;
    bool intoStationTable = false;  // into a table of the catalogue, which keeps its definition
    std::vector<TableRef> from;
    ExpressionPtr where;
    std::vector<ExpressionPtr> groupBy;
    ExpressionPtr having;
};

struct OrderItem {
    ExpressionPtr expression;
    bool descending = false;
};

// Select cores joined by union [all], with an order for the whole.
struct Query {
    std::vector<SelectCore> cores;
    std::vector<bool> unionAll;  // between cores[i] and cores[i + 1]
    std::vector<OrderItem> orderBy;
};

struct Insert {
    QString table;
    QStringList columns;
    std::vector<std::vector<ExpressionPtr>> rows;
    std::unique_ptr<Query> query;
};

struct Assignment {
    QString column;
    ExpressionPtr value;
};

struct Update {
    QString table;
    std::vector<Assignment> assignments;
    ExpressionPtr where;
};

struct Delete {
    QString table;
    ExpressionPtr where;
};

struct DropTable {
    QString table;
    bool stationTable = false;  // a table of the catalogue: emptied, never dropped
};

using Statement = std::variant<Query, Insert, Update, Delete, DropTable>;

}  // namespace dialect
