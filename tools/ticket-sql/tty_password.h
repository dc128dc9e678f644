#pragma once

#include <QString>
#include <optional>

// Asks for a password on the controlling terminal with echo off. Standard input is left alone,
// since it may carry the statements. Nothing when there is no terminal.
std::optional<QString> readPasswordFromTty(const QString& prompt);
