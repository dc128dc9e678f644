#pragma once

#include <QVariant>

#include <ostream>

// Lets GoogleTest show row values in failure messages.
inline void PrintTo(const QVariant& value, std::ostream* out) {
    *out << value.typeName() << ' ' << value.toString().toStdString();
}
