#include "shell/password_change.h"

#include "server/app_server.h"
#include "server/server_error.h"
#include "shell/session.h"

PasswordChange::Outcome PasswordChange::change(const QString& oldPassword, const QString& newPassword,
                                               const QString& repeated) {
    AppServer& server = *session_.Connection;
    try {
        if (!server.CheckPassword(session_.OperatorCode, oldPassword)) return Outcome::WrongOldPassword;
        if (newPassword != repeated) return Outcome::NewPasswordsDiffer;
        server.SetPassword(session_.OperatorCode, newPassword);
    } catch (const ServerError& error) {
        serverMessage_ = error.message();
        return Outcome::ServerRefused;
    }
    session_.OperatorPassword = newPassword;
    return Outcome::Changed;
}

QString PasswordChange::message(Outcome outcome) const {
    switch (outcome) {
        case Outcome::Changed: return QStringLiteral("操作密码更改成功!");
        case Outcome::WrongOldPassword: return QStringLiteral("旧密码不正确!!!");
        case Outcome::NewPasswordsDiffer: return QStringLiteral("新密码两次输入不相符!请重新输入.");
        case Outcome::ServerRefused: return QStringLiteral("操作密码更改失败：") + serverMessage_;
    }
    return {};
}
