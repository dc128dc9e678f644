#pragma once

#include <QString>

struct Session;

// The logged-in operator changes their own password. The server checks the old one and stores
// the new one; the change is reported only once the server has confirmed it.
class PasswordChange {
public:
    enum class Outcome { Changed, WrongOldPassword, NewPasswordsDiffer, ServerRefused };

    explicit PasswordChange(Session& session) : session_(session) {}

    Outcome change(const QString& oldPassword, const QString& newPassword, const QString& repeated);
    // The message for an outcome ("操作密码更改成功!", "旧密码不正确!!!", ...).
    QString message(Outcome outcome) const;

private:
    Session& session_;
    QString serverMessage_;
};
