#include "shell/login_logic.h"

#include "server/app_server.h"
#include "server/server_error.h"
#include "shell/server_link.h"
#include "shell/session.h"
#include "shell/settings.h"

LoginLogic::LoginLogic(Session& session, Settings& settings, ServerLink& link)
    : session_(session), settings_(settings), link_(link) {}

void LoginLogic::opened() { failures_ = 0; }

int LoginLogic::storedRegistration() const {
    const int index = settings_.ReadSetting(u"ServerID").toInt();
    return index >= 0 && index < ServerLink::kRegistrations ? index : 0;
}

QString LoginLogic::storedHost() const { return settings_.ReadSetting(u"ServerName"); }

bool LoginLogic::connect(const QString& typedHost, int index) {
    operators_.clear();
    if (typedHost.trimmed().isEmpty()) return false;
    try {
        link_.closeConnection();
    } catch (const ServerError&) {
        return false;
    }
    link_.SelectServer(index);
    link_.setHostText(typedHost);
    if (!link_.openConnection()) return false;
    settings_.WriteSetting(u"ServerID", QString::number(session_.ServerIndex));
    try {
        const wire::DataSet list = session_.Connection->OperatorList();
        for (const QList<QVariant>& row : list.rows) {
            if (row.size() >= 2) operators_.append({row.at(0).toString().trimmed(), row.at(1).toString().trimmed()});
        }
    } catch (const ServerError&) {
        return false;
    }
    failures_ = 1;
    return true;
}

QString LoginLogic::proposedCode() const { return settings_.ReadSetting(u"LastOpno"); }

QString LoginLogic::storedCode(const QString& typed) const {
    for (const Operator& op : operators_) {
        if (op.code.compare(typed.trimmed(), Qt::CaseInsensitive) == 0) return op.code;
    }
    return {};
}

QString LoginLogic::nameOf(const QString& code) const {
    const QString stored = storedCode(code);
    for (const Operator& op : operators_) {
        if (op.code == stored) return op.name;
    }
    return {};
}

bool LoginLogic::reconnectAfterIdle() {
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            link_.closeConnection();
        } catch (const ServerError&) {
        }
        if (link_.openConnection()) return true;
    }
    return false;
}

LoginLogic::Outcome LoginLogic::submit(const QString& typedHost, const QString& code, const QString& password) {
    if (idled_ && !reconnectAfterIdle()) return Outcome::IdleReconnectFailed;
    const QString stored = storedCode(code);
    if (stored.isEmpty() || session_.Connection == nullptr) return Outcome::NothingToDo;
    OperatorIdentity identity;
    try {
        identity = session_.Connection->Login(stored, password);
    } catch (const ServerError& error) {
        if (error.isConnectionFailure()) return Outcome::NothingToDo;
        ++failures_;
        return failures_ > kMaxFailures ? Outcome::TooManyFailures : Outcome::WrongPassword;
    }
    session_.OperatorCode = identity.code;
    session_.OperatorName = identity.name;
    session_.OperatorRole = identity.role;
    session_.OperatorPassword = password;
    settings_.WriteSetting(u"LastOpno", identity.code);
    settings_.WriteSetting(u"ServerName", typedHost);
    return Outcome::LoggedIn;
}
