#pragma once

#include "appserver/dialect/sql_writer.h"

namespace dialect {

// SQLite: "?" placeholders, substr and instr for the text functions, names quoted only where
// SQLite would read them as keywords.
class SqliteWriter : public SqlWriter {
  protected:
    QString quotedName(const QString& name) const override;
    QString placeholder(int number) const override;
    void writeLeft(const Expression& text, const Expression& count) override;
    void writeRight(const Expression& text, const Expression& count) override;
    void writeCharindex(const Expression& needle, const Expression& haystack) override;
};

}  // namespace dialect
