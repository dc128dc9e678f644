#pragma once

#include <QString>

#include <optional>

// The named data providers of the server. Command-text providers run the statement the workstation
// sets; fixed providers deliver one table, in a fixed order.
namespace providers {

struct FixedProvider {
    QString table;
    QString orderBy;  // column to sort by, empty for the order of insertion
};

bool runsCommandText(const QString& provider);
std::optional<FixedProvider> fixedProvider(const QString& provider);

}  // namespace providers
