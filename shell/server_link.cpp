#include "shell/server_link.h"

#include "protocol/frame.h"
#include "server/server_error.h"
#include "server/tcp_app_server.h"
#include "shell/notice.h"
#include "shell/platform/machine.h"
#include "shell/session.h"
#include "shell/settings.h"
#include "shell/wait.h"

ServerLink::ServerLink(Session& session, Settings& settings, Machine& machine, QObject* parent)
    : QObject(parent), session_(session), settings_(settings), machine_(machine) {
    for (auto& server : servers_) {
        server = std::make_unique<TcpAppServer>();
        connect(server.get(), &TcpAppServer::connected, this, &ServerLink::onConnected, Qt::DirectConnection);
    }
    notify_ = [](int kind, const QString& text) { ShowNotice(kind, text); };
    SelectServer(0);
}

ServerLink::~ServerLink() = default;

QString ServerLink::hostFromTyped(const QString& typed) {
    const qsizetype slashes = typed.indexOf(QStringLiteral("//"));
    return (slashes < 0 ? typed : typed.mid(slashes + 2)).trimmed();
}

void ServerLink::setHostText(const QString& typed) { session_.ServerHost = hostFromTyped(typed); }

quint16 ServerLink::portOf(int index) const {
    const QString key = QStringLiteral("Servers/Port%1").arg(index + 1);
    const uint port = settings_.localValue(key).toUInt();
    return port > 0 && port <= 65535 ? static_cast<quint16>(port) : wire::kDefaultPort;
}

TcpAppServer& ServerLink::current() { return *servers_[static_cast<size_t>(session_.ServerIndex)]; }

void ServerLink::SelectServer(int index) {
    session_.ServerIndex = index >= 0 && index < kRegistrations ? index : 0;
    session_.Connection = &current();
    emit connectionChanged();
}

bool ServerLink::openConnection() {
    try {
        current().connectTo(session_.ServerHost, portOf(session_.ServerIndex));
        return true;
    } catch (const ServerError&) {
        return false;
    }
}

void ServerLink::closeConnection() { current().disconnectFromServer(); }

bool ServerLink::isConnected() const { return servers_[static_cast<size_t>(session_.ServerIndex)]->isConnected(); }

void ServerLink::onConnected() {
    notify_(loggedIn_ ? kNoticeWarning : kNoticeInfoPlain,
            loggedIn_ ? QStringLiteral("断线后，数据通道已再次重新接通！") : QStringLiteral("数据通道已接通！"));
    if (!loggedIn_) return;
    // A new connection knows nobody: log in again before the call that reconnected goes on. No
    // error may leave this handler (it runs inside a signal); a refused login shows up as the
    // refusal of that call.
    try {
        session_.Connection->Login(session_.OperatorCode, session_.OperatorPassword);
        RegisterWithServer();
    } catch (const ServerError&) {
    }
}

void ServerLink::pause() { WaitMillis(pauseMillis_); }

void ServerLink::RegisterWithServer() {
    AppServer& server = *session_.Connection;
    if (server.Send_Get_Data(QStringLiteral("-Online_test-")) != QStringLiteral("true")) {
        server.RunConsvr();
        pause();
    }
    pause();
    routeReply_(server.Send_Get_Data(QStringLiteral("op_add2co〖") + session_.OperatorCode + QStringLiteral("〗") +
                                     session_.OperatorName));
    pause();
    routeReply_(server.Send_Get_Data(QStringLiteral("CheckIsServerd")));
    pause();
    routeReply_(server.Send_Get_Data(QString()));
    if (server.Send_Get_Data(QStringLiteral("-Data_Ready-")) != QStringLiteral("true")) {
        server.Send_Get_Data(QStringLiteral("CheckIsHzing"));
    }
}

bool ServerLink::SwitchServer() {
    emit failoverStarted();
    try {
        closeConnection();
    } catch (const ServerError&) {
    }
    QString notice = QStringLiteral("原“") + Session::serverLabel(session_.ServerIndex) + QStringLiteral("服务器”意外中断！\r");
    const int next = (session_.ServerIndex + 1) % kRegistrations;
    SelectServer(next);
    bool answered = false;
    try {
        current().connectTo(session_.ServerHost, portOf(next));
        WaitMillis(pauseMillis_ * 3 / 5);
        answered = isConnected();
        if (answered) {
            // Once logged in, the connect handler has already logged in again and shaken hands.
            if (!loggedIn_) RegisterWithServer();
            settings_.WriteSetting(u"ServerID", QString::number(next));
            notice += QStringLiteral("系统将自动启用“") + Session::serverLabel(next) + QStringLiteral("服务器”继续工作。");
            session_.FailoverNotice = notice;
            notify_(kNoticeWarning, notice);
        }
    } catch (...) {
        emit failoverFinished();
        throw;
    }
    emit failoverFinished();
    return answered;
}

void ServerLink::AlignClockToServer() {
    session_.LastClock = QDateTime::currentDateTime();
    try {
        AppServer& server = *session_.Connection;
        if (server.HostName() == machine_.hostName()) return;
        const QDateTime serverTime = server.GetDateTime();
        session_.LastClock = serverTime;
        if (!machine_.setClock(serverTime) && !clockNoticeShown_) {
            clockNoticeShown_ = true;
            notify_(kNoticeWarning, QStringLiteral("本机无权校准时钟，请管理员将本机时钟与服务器同步。"));
        }
    } catch (const ServerError&) {
    }
}

void ServerLink::pollFailed() {
    closeConnection();
    if (++pollFailures_ < 2) return;
    pollFailures_ = 0;
    try {
        SwitchServer();
    } catch (const ServerError&) {
        // Nobody answered on the next registration either; the next failures try the one after.
    }
}
