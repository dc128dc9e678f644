#pragma once

#include <QList>
#include <QString>

#include "appserver/dialect/ast.h"

namespace dialect {

// What binds to one placeholder: the statement's literal by index (a literal may bind more than
// once), and whether it is an amount in yuan to be bound as ten-thousandths.
struct Placeholder {
    int literal = 0;
    bool inYuan = false;
};

// A statement written for one engine: its text with a placeholder per lifted literal.
struct WrittenStatement {
    QString sql;
    QList<Placeholder> placeholders;
};

// Writes a resolved statement back as text. The common grammar lives here; each engine says
// how it quotes names, marks placeholders and spells the functions it names otherwise.
class SqlWriter {
  public:
    virtual ~SqlWriter() = default;

    WrittenStatement write(const Statement& statement);

  protected:
    virtual QString quotedName(const QString& name) const = 0;
    virtual QString placeholder(int number) const = 0;
    // left(x,n), right(x,n), charindex(a,b): the engine's own spelling.
    virtual void writeLeft(const Expression& text, const Expression& count) = 0;
    virtual void writeRight(const Expression& text, const Expression& count) = 0;
    virtual void writeCharindex(const Expression& needle, const Expression& haystack) = 0;

    void append(QStringView text) { sql_ += text; }
    void writeName(const QString& name) { sql_ += quotedName(name); }
    void writeExpression(const Expression& expression);

  private:
    void writeQuery(const Query& query);
    void writeSelectCore(const SelectCore& core, bool withTop);
    void writeTableRef(const TableRef& ref);
    void writeInsert(const Insert& insert);
    void writeUpdate(const Update& update);
    void writeDelete(const Delete& deletion);
    void writeFunction(const Expression& function);
    void writeConcatenated(const Expression& operand);
    void writeList(const std::vector<ExpressionPtr>& expressions, size_t from = 0);

    QString sql_;
    QList<Placeholder> placeholders_;
};

}  // namespace dialect
