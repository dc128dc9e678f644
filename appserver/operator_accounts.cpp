#include "appserver/operator_accounts.h"

#include "appserver/password_hash.h"

namespace operator_accounts {

namespace {

const QString kHashFunction = QStringLiteral("ticketd_password_hash");

// A password written into the operator table by a workstation is hashed into the private table and
// the column is emptied again in the same statement, so it is never stored in clear.
const char* const kInstallStatements[] = {
    "CREATE TABLE IF NOT EXISTS ticketd_operator_secrets (code TEXT PRIMARY KEY, hash TEXT NOT NULL)",
    "CREATE TRIGGER IF NOT EXISTS ticketd_password_on_insert AFTER INSERT ON 操作员 "
    "WHEN NEW.操作员密码 IS NOT NULL BEGIN "
    "INSERT OR REPLACE INTO ticketd_operator_secrets (code, hash) "
    "VALUES (NEW.操作员代号, ticketd_password_hash(NEW.操作员密码)); "
    "UPDATE 操作员 SET 操作员密码 = NULL WHERE rowid = NEW.rowid; END",
    "CREATE TRIGGER IF NOT EXISTS ticketd_password_on_update AFTER UPDATE OF 操作员密码 ON 操作员 "
    "WHEN NEW.操作员密码 IS NOT NULL BEGIN "
    "INSERT OR REPLACE INTO ticketd_operator_secrets (code, hash) "
    "VALUES (NEW.操作员代号, ticketd_password_hash(NEW.操作员密码)); "
    "UPDATE 操作员 SET 操作员密码 = NULL WHERE rowid = NEW.rowid; END",
    "CREATE TRIGGER IF NOT EXISTS ticketd_password_follows_code AFTER UPDATE OF 操作员代号 ON 操作员 "
    "WHEN NEW.操作员代号 IS NOT OLD.操作员代号 BEGIN "
    "INSERT OR IGNORE INTO ticketd_operator_secrets (code, hash) "
    "SELECT NEW.操作员代号, hash FROM ticketd_operator_secrets WHERE code = OLD.操作员代号; "
    "DELETE FROM ticketd_operator_secrets WHERE code = OLD.操作员代号; END",
    "CREATE TRIGGER IF NOT EXISTS ticketd_password_leaves_with_operator AFTER DELETE ON 操作员 "
    "WHEN NOT EXISTS (SELECT 1 FROM 操作员 WHERE 操作员代号 = OLD.操作员代号) BEGIN "
    "DELETE FROM ticketd_operator_secrets WHERE code = OLD.操作员代号; END",
    // Passwords stored in clear by an older database move to the private table.
    "INSERT OR REPLACE INTO ticketd_operator_secrets (code, hash) "
    "SELECT 操作员代号, ticketd_password_hash(操作员密码) FROM 操作员 WHERE 操作员密码 IS NOT NULL",
    "UPDATE 操作员 SET 操作员密码 = NULL WHERE 操作员密码 IS NOT NULL",
};

std::optional<QString> storedHash(engine::Connection& db, const QString& code) {
    const engine::Result result =
        db.execute(QStringLiteral("SELECT hash FROM ticketd_operator_secrets WHERE code = ?"), {code});
    if (result.rows.isEmpty())
        return std::nullopt;
    return result.rows.first().first().toString();
}

void storeHash(engine::Connection& db, const QString& code, const QString& hash) {
    db.execute(QStringLiteral("INSERT OR REPLACE INTO ticketd_operator_secrets (code, hash) VALUES (?, ?)"),
               {code, hash});
}

}  // namespace

void prepareConnection(engine::Connection& db) {
    db.defineFunction(kHashFunction, 1, [](const QList<QVariant>& arguments) {
        return QVariant(password_hash::make(arguments.first().toString()));
    });
}

void install(engine::Connection& db) {
    for (const char* statement : kInstallStatements)
        db.execute(QString::fromUtf8(statement));
}

std::optional<Identity> find(engine::Connection& db, const QString& code) {
    const engine::Result result = db.execute(
        QStringLiteral("SELECT 操作员代号, 操作员姓名, 操作员职务 FROM 操作员 WHERE 操作员代号 = ? LIMIT 1"),
        {code});
    if (result.rows.isEmpty())
        return std::nullopt;
    const auto& row = result.rows.first();
    return Identity{row.at(0).toString(), row.at(1).toString(), row.at(2).toString()};
}

bool checkPassword(engine::Connection& db, const QString& code, const QString& password) {
    const std::optional<QString> hash = storedHash(db, code);
    return hash && find(db, code) && password_hash::matches(*hash, password);
}

bool setPassword(engine::Connection& db, const QString& code, const QString& password) {
    if (!find(db, code))
        return false;
    storeHash(db, code, password_hash::make(password));
    return true;
}

void createOrUpdate(engine::Connection& db, const Identity& identity, const QString& password) {
    const QString hash = password_hash::make(password);
    if (find(db, identity.code)) {
        db.execute(QStringLiteral("UPDATE 操作员 SET 操作员姓名 = ?, 操作员职务 = ? WHERE 操作员代号 = ?"),
                   {identity.name, identity.role, identity.code});
    } else {
        db.execute(QStringLiteral("INSERT INTO 操作员 (操作员代号, 操作员姓名, 操作员职务) VALUES (?, ?, ?)"),
                   {identity.code, identity.name, identity.role});
    }
    storeHash(db, identity.code, hash);
}

bool anyOperator(engine::Connection& db) {
    return !db.execute(QStringLiteral("SELECT 1 FROM 操作员 LIMIT 1")).rows.isEmpty();
}

}  // namespace operator_accounts
