#pragma once

#include "appserver/schema/catalogue.h"

// Short forms for the table definitions, so each column reads as one line.
namespace schema::build {

inline Column text(const QString& name, int length, const QString& defaultSql = {}) {
    return Column{name, ColumnType::Text, length, false, defaultSql};
}

// A text that must always be present (a key of the row).
inline Column requiredText(const QString& name, int length) {
    return Column{name, ColumnType::Text, length, true, {}};
}

// A whole number that inserts always give, or whose absence means something.
inline Column number(const QString& name) {
    return Column{name, ColumnType::Integer, 0, false, {}};
}

// A whole number that starts at 0 when an insert leaves it out.
inline Column counter(const QString& name) {
    return Column{name, ColumnType::Integer, 0, false, "0"};
}

inline Column money(const QString& name) {
    return Column{name, ColumnType::Money, 0, false, "0"};
}

inline Column flag(const QString& name) {
    return Column{name, ColumnType::Bool, 0, false, "0"};
}

// The number the database assigns when a row is inserted; name it as the table's autoNumberColumn.
inline Column autoNumber(const QString& name) {
    return Column{name, ColumnType::Integer, 0, true, {}};
}

}  // namespace schema::build
