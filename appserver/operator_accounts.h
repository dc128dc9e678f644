#pragma once

#include <QString>

#include <optional>

#include "appserver/engine/engine.h"

// Operators as the server checks them. The operator table keeps code, name and role; the password
// hashes live in a table of their own that no workstation statement may name, and a trigger moves
// any password a workstation writes into the operator table over there, hashed.
namespace operator_accounts {

inline const QString kAdministratorRole = QStringLiteral("系统管理员");
// Server-only tables share this prefix; statements from workstations that name it are refused.
inline const QString kPrivatePrefix = QStringLiteral("ticketd_");

struct Identity {
    QString code;
    QString name;
    QString role;
};

// The hash table and the triggers; run once per database at start, after the operator table exists.
void install(engine::Connection& db);
// Makes the hashing function that the triggers call known to this connection.
void prepareConnection(engine::Connection& db);

std::optional<Identity> find(engine::Connection& db, const QString& code);
bool checkPassword(engine::Connection& db, const QString& code, const QString& password);
// False when no such operator exists.
bool setPassword(engine::Connection& db, const QString& code, const QString& password);
// Adds the operator, or updates name and role of an existing one, and sets the password.
void createOrUpdate(engine::Connection& db, const Identity& identity, const QString& password);
bool anyOperator(engine::Connection& db);

}  // namespace operator_accounts
