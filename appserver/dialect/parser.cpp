#include "appserver/dialect/parser.h"

#include <QSet>

namespace dialect {
namespace {

// Words that end a name or start a clause, so they are never taken for an alias or a column.
const QSet<QString>& reservedWords() {
    static const QSet<QString> words = {
        u"select"_qs, u"from"_qs,   u"where"_qs,    u"group"_qs,  u"order"_qs, u"by"_qs,   u"having"_qs,
        u"union"_qs,  u"all"_qs,    u"distinct"_qs, u"top"_qs,    u"into"_qs,  u"as"_qs,   u"and"_qs,
        u"or"_qs,     u"not"_qs,    u"in"_qs,       u"is"_qs,     u"null"_qs,  u"like"_qs, u"between"_qs,
        u"exists"_qs, u"on"_qs,     u"join"_qs,     u"inner"_qs,  u"outer"_qs, u"left"_qs, u"right"_qs,
        u"cross"_qs,  u"full"_qs,   u"values"_qs,   u"set"_qs,    u"asc"_qs,   u"desc"_qs, u"insert"_qs,
        u"update"_qs, u"delete"_qs, u"drop"_qs,     u"table"_qs,  u"limit"_qs, u"case"_qs, u"when"_qs,
        u"then"_qs,   u"else"_qs,   u"end"_qs,      u"percent"_qs};
    return words;
}

struct Failure {};

// Deeper nesting than any workstation writes is refused rather than allowed to exhaust the stack.
constexpr int kDeepestNesting = 200;

class NestingGuard {
  public:
    explicit NestingGuard(int& depth) : depth_(depth) {
        if (++depth_ > kDeepestNesting)
            throw Failure{};
    }
    ~NestingGuard() { --depth_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

  private:
    int& depth_;
};

class Parser {
  public:
    explicit Parser(const QList<Token>& tokens) : tokens_(tokens) {}

    Statement statement() {
        Statement result = [&]() -> Statement {
            if (atWord(u"select"))
                return query();
            if (takeWord(u"insert"))
                return insert();
            if (takeWord(u"update"))
                return update();
            if (takeWord(u"delete"))
                return deleteRows();
            if (takeWord(u"drop")) {
                expectWord(u"table");
                return DropTable{name()};
            }
            throw Failure{};
        }();
        takeSymbol(u";");
        if (peek().kind != Token::Kind::End)
            throw Failure{};
        return result;
    }

  private:
    const Token& peek(int ahead = 0) const {
        return tokens_[std::min<qsizetype>(index_ + ahead, tokens_.size() - 1)];
    }

    const Token& next() {
        const Token& token = peek();
        if (token.kind != Token::Kind::End)
            ++index_;
        return token;
    }

    bool atWord(QStringView word, int ahead = 0) const {
        const Token& token = peek(ahead);
        return token.kind == Token::Kind::Word && token.text.compare(word, Qt::CaseInsensitive) == 0;
    }

    bool atSymbol(QStringView symbol, int ahead = 0) const {
        const Token& token = peek(ahead);
        return token.kind == Token::Kind::Symbol && token.text == symbol;
    }

    bool takeWord(QStringView word) {
        if (!atWord(word))
            return false;
        next();
        return true;
    }

    bool takeSymbol(QStringView symbol) {
        if (!atSymbol(symbol))
            return false;
        next();
        return true;
    }

    void expectWord(QStringView word) {
        if (!takeWord(word))
            throw Failure{};
    }

    void expectSymbol(QStringView symbol) {
        if (!takeSymbol(symbol))
            throw Failure{};
    }

    bool atName(int ahead = 0) const {
        const Token& token = peek(ahead);
        if (token.kind == Token::Kind::QuotedName)
            return true;
        return token.kind == Token::Kind::Word && !reservedWords().contains(token.text.toLower());
    }

    QString name() {
        if (!atName())
            throw Failure{};
        return next().text;
    }

    QString optionalAlias() {
        if (takeWord(u"as"))
            return name();
        return atName() ? name() : QString();
    }

    std::unique_ptr<Query> parenthesizedQuery() {
        expectSymbol(u"(");
        auto result = std::make_unique<Query>(query());
        expectSymbol(u")");
        return result;
    }

    Query query() {
        NestingGuard guard(depth_);
        Query result;
        result.cores.push_back(selectCore());
        while (takeWord(u"union")) {
            result.unionAll.push_back(takeWord(u"all"));
            result.cores.push_back(selectCore());
        }
        if (takeWord(u"order")) {
            expectWord(u"by");
            do {
                OrderItem item;
                item.expression = expression();
                if (takeWord(u"desc"))
                    item.descending = true;
                else
                    takeWord(u"asc");
                result.orderBy.push_back(std::move(item));
            } while (takeSymbol(u","));
        }
        return result;
    }

    SelectCore selectCore() {
        expectWord(u"select");
        SelectCore core;
        if (takeWord(u"distinct"))
            core.distinct = true;
        else
            takeWord(u"all");
        if (takeWord(u"top"))
            core.top = primary();
        do {
            core.items.push_back(selectItem());
        } while (takeSymbol(u","));
        if (takeWord(u"into"))
            core.intoTable = name();
        if (takeWord(u"from")) {
            do {
                core.from.push_back(tableRef());
            } while (takeSymbol(u","));
        }
        if (takeWord(u"where"))
            core.where = expression();
        if (takeWord(u"group")) {
            expectWord(u"by");
            do {
                core.groupBy.push_back(expression());
            } while (takeSymbol(u","));
        }
        if (takeWord(u"having"))
            core.having = expression();
        return core;
    }

    SelectItem selectItem() {
        SelectItem item;
        if (takeSymbol(u"*")) {
            item.expression = std::make_unique<Expression>();
            item.expression->kind = Expression::Kind::Star;
            return item;
        }
        item.expression = expression();
        item.alias = optionalAlias();
        return item;
    }

    TableRef tableRef() {
        TableRef ref;
        if (atSymbol(u"("))
            ref.derived = parenthesizedQuery();
        else
            ref.table = name();
        ref.alias = optionalAlias();
        return ref;
    }

    Statement insert() {
        Insert result;
        takeWord(u"into");
        result.table = name();
        if (atSymbol(u"(") && !atWord(u"select", 1)) {
            next();
            do {
                result.columns.append(name());
            } while (takeSymbol(u","));
            expectSymbol(u")");
        }
        if (takeWord(u"values")) {
            do {
                expectSymbol(u"(");
                std::vector<ExpressionPtr> row;
                do {
                    row.push_back(expression());
                } while (takeSymbol(u","));
                expectSymbol(u")");
                result.rows.push_back(std::move(row));
            } while (takeSymbol(u","));
        } else if (atSymbol(u"(")) {
            result.query = parenthesizedQuery();
        } else {
            result.query = std::make_unique<Query>(query());
        }
        return result;
    }

    Statement update() {
        Update result;
        result.table = name();
        expectWord(u"set");
        do {
            Assignment assignment;
            assignment.column = name();
            expectSymbol(u"=");
            assignment.value = expression();
            result.assignments.push_back(std::move(assignment));
        } while (takeSymbol(u","));
        if (takeWord(u"where"))
            result.where = expression();
        return result;
    }

    Statement deleteRows() {
        Delete result;
        takeWord(u"from");
        result.table = name();
        if (takeWord(u"where"))
            result.where = expression();
        return result;
    }

    static ExpressionPtr make(Expression::Kind kind, QString name = {}) {
        auto result = std::make_unique<Expression>();
        result->kind = kind;
        result->name = std::move(name);
        return result;
    }

    static ExpressionPtr binary(QString op, ExpressionPtr left, ExpressionPtr right) {
        auto result = make(Expression::Kind::Binary, std::move(op));
        result->children.push_back(std::move(left));
        result->children.push_back(std::move(right));
        return result;
    }

    ExpressionPtr expression() {
        NestingGuard guard(depth_);
        ExpressionPtr left = conjunction();
        while (takeWord(u"or"))
            left = binary(u"or"_qs, std::move(left), conjunction());
        return left;
    }

    ExpressionPtr conjunction() {
        ExpressionPtr left = negation();
        while (takeWord(u"and"))
            left = binary(u"and"_qs, std::move(left), negation());
        return left;
    }

    ExpressionPtr negation() {
        NestingGuard guard(depth_);
        if (atWord(u"not") && !atWord(u"exists", 1)) {
            next();
            auto result = make(Expression::Kind::Unary, u"not"_qs);
            result->children.push_back(negation());
            return result;
        }
        return predicate();
    }

    ExpressionPtr predicate() {
        ExpressionPtr left = additive();
        static const QStringView comparisons[] = {u"=", u"<>", u"!=", u"<", u">", u"<=", u">="};
        for (QStringView op : comparisons) {
            if (takeSymbol(op))
                return binary(op.toString(), std::move(left), additive());
        }
        if (takeWord(u"is")) {
            auto result = make(Expression::Kind::IsNull);
            result->negated = takeWord(u"not");
            expectWord(u"null");
            result->children.push_back(std::move(left));
            return result;
        }
        const bool negated =
            atWord(u"not") && (atWord(u"in", 1) || atWord(u"like", 1) || atWord(u"between", 1));
        if (negated)
            next();
        if (takeWord(u"in"))
            return membership(std::move(left), negated);
        if (takeWord(u"like")) {
            auto result = binary(u"like"_qs, std::move(left), additive());
            result->negated = negated;
            return result;
        }
        if (takeWord(u"between")) {
            auto result = make(Expression::Kind::Between);
            result->negated = negated;
            result->children.push_back(std::move(left));
            result->children.push_back(additive());
            expectWord(u"and");
            result->children.push_back(additive());
            return result;
        }
        if (negated)
            throw Failure{};
        return left;
    }

    ExpressionPtr membership(ExpressionPtr left, bool negated) {
        if (atSymbol(u"(") && atWord(u"select", 1)) {
            auto result = make(Expression::Kind::InQuery);
            result->negated = negated;
            result->children.push_back(std::move(left));
            result->query = parenthesizedQuery();
            return result;
        }
        auto result = make(Expression::Kind::InList);
        result->negated = negated;
        result->children.push_back(std::move(left));
        expectSymbol(u"(");
        do {
            result->children.push_back(expression());
        } while (takeSymbol(u","));
        expectSymbol(u")");
        return result;
    }

    ExpressionPtr additive() {
        ExpressionPtr left = multiplicative();
        while (atSymbol(u"+") || atSymbol(u"-")) {
            QString op = next().text;
            left = binary(std::move(op), std::move(left), multiplicative());
        }
        return left;
    }

    ExpressionPtr multiplicative() {
        ExpressionPtr left = unary();
        while (atSymbol(u"*") || atSymbol(u"/") || atSymbol(u"%")) {
            QString op = next().text;
            left = binary(std::move(op), std::move(left), unary());
        }
        return left;
    }

    ExpressionPtr unary() {
        NestingGuard guard(depth_);
        if (atSymbol(u"-") || atSymbol(u"+")) {
            auto result = make(Expression::Kind::Unary, next().text);
            result->children.push_back(unary());
            return result;
        }
        return primary();
    }

    ExpressionPtr primary() {
        const Token& token = peek();
        switch (token.kind) {
            case Token::Kind::Text:
            case Token::Kind::Number: {
                next();
                auto result = make(Expression::Kind::Literal);
                result->literal = literalCount_++;
                result->type = token.kind == Token::Kind::Text ? ValueType::Text : ValueType::Number;
                return result;
            }
            case Token::Kind::Symbol:
                if (atSymbol(u"(")) {
                    if (atWord(u"select", 1)) {
                        auto result = make(Expression::Kind::Subquery);
                        result->query = parenthesizedQuery();
                        return result;
                    }
                    next();
                    auto result = make(Expression::Kind::Parenthesis);
                    result->children.push_back(expression());
                    expectSymbol(u")");
                    return result;
                }
                throw Failure{};
            case Token::Kind::Word:
                if (takeWord(u"null"))
                    return make(Expression::Kind::Null);
                if (atWord(u"not") || atWord(u"exists")) {
                    auto result = make(Expression::Kind::Exists);
                    result->negated = takeWord(u"not");
                    expectWord(u"exists");
                    result->query = parenthesizedQuery();
                    return result;
                }
                if (atSymbol(u"(", 1) && (atName() || atWord(u"left") || atWord(u"right")))
                    return functionCall();
                return column();
            case Token::Kind::QuotedName:
                return column();
            case Token::Kind::End:
                break;
        }
        throw Failure{};
    }

    ExpressionPtr functionCall() {
        auto result = make(Expression::Kind::Function, next().text.toLower());
        expectSymbol(u"(");
        if (takeSymbol(u"*")) {
            result->children.push_back(make(Expression::Kind::Star));
            expectSymbol(u")");
            return result;
        }
        result->distinct = takeWord(u"distinct");
        if (!atSymbol(u")")) {
            do {
                result->children.push_back(expression());
            } while (takeSymbol(u","));
        }
        expectSymbol(u")");
        return result;
    }

    ExpressionPtr column() {
        QString first = name();
        if (!takeSymbol(u"."))
            return make(Expression::Kind::Column, std::move(first));
        if (takeSymbol(u"*")) {
            auto result = make(Expression::Kind::Star);
            result->qualifier = std::move(first);
            return result;
        }
        auto result = make(Expression::Kind::Column, name());
        result->qualifier = std::move(first);
        return result;
    }

    const QList<Token>& tokens_;
    qsizetype index_ = 0;
    int literalCount_ = 0;
    int depth_ = 0;
};

}  // namespace

std::optional<Statement> parseStatement(const QList<Token>& tokens) {
    try {
        return Parser(tokens).statement();
    } catch (const Failure&) {
        return std::nullopt;
    }
}

}  // namespace dialect
