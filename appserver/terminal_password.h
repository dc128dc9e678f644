#pragma once

#include <QString>

#include <optional>

// Asks for a password on the terminal without echoing it, or reads one line from standard input
// when that is not a terminal. Nothing when no line could be read.
std::optional<QString> readPasswordFromTerminal(const QString& prompt);
