#pragma once

#include <QString>

// A table or column name as it stands in a statement the server writes: between double quotes.
inline QString quotedIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
