#pragma once

#include <QList>
#include <QString>

class ServerLink;
class Settings;
struct Session;

// The rules of the login window, without the window: connecting to the chosen registration,
// the operator list, the failure counter and the idle reconnection. Passwords are checked by the
// server, never here.
class LoginLogic {
public:
    struct Operator {
        QString code;
        QString name;
    };
    enum class Outcome {
        NothingToDo,        // no operator chosen, or no server reached
        LoggedIn,
        WrongPassword,      // "密码输入不正确!!!", try again
        TooManyFailures,    // "密码输入不正确!!!", then the window closes
        IdleReconnectFailed // "超时没登陆错误!!!", the program ends
    };
    static constexpr int kMaxFailures = 3;

    LoginLogic(Session& session, Settings& settings, ServerLink& link);

    // The window opens: counter 0, the stored registration and host.
    void opened();
    int storedRegistration() const;
    QString storedHost() const;

    // Connects registration `index` on the host as typed and loads the operators; false (and an
    // empty list) when the host is empty or the server cannot be reached.
    bool connect(const QString& typedHost, int index);
    const QList<Operator>& operators() const { return operators_; }
    // The code proposed after loading: the last operator who logged in here.
    QString proposedCode() const;
    // The name of the operator with that code (letter case ignored), or "" when there is none.
    QString nameOf(const QString& code) const;
    // The code as stored for what was typed, or "" when there is no such operator.
    QString storedCode(const QString& typed) const;

    // The idle timer fired: the next OK reconnects first.
    void markIdle() { idled_ = true; }
    bool idled() const { return idled_; }
    int failures() const { return failures_; }

    Outcome submit(const QString& typedHost, const QString& code, const QString& password);

private:
    bool reconnectAfterIdle();

    Session& session_;
    Settings& settings_;
    ServerLink& link_;
    QList<Operator> operators_;
    int failures_ = 0;
    bool idled_ = false;
};
