#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>

class Machine;
class Settings;
class TcpAppServer;
struct Session;

// The workstation's six server registrations ("1号" .. "6号"), all on the host typed at login,
// each on its own port (workstation setting Servers/Port1..6, 7520 by default), and the steps
// that keep the workstation attached: choosing a registration, the handshake, failing over to the
// next registration and aligning the clock with the server.
class ServerLink : public QObject {
    Q_OBJECT
public:
    static constexpr int kRegistrations = 6;

    ServerLink(Session& session, Settings& settings, Machine& machine, QObject* parent = nullptr);
    ~ServerLink() override;

    // Every reply of the handshake goes here (the message dispatcher).
    void setReplyRoute(std::function<void(const QString&)> route) { routeReply_ = std::move(route); }
    // Corner notices; ShowNotice unless a test listens instead.
    void setNotifier(std::function<void(int kind, const QString&)> notify) { notify_ = std::move(notify); }
    // The pause between handshake steps (500 ms); the window keeps handling events meanwhile.
    void setHandshakePause(int millis) { pauseMillis_ = millis; }
    // Set once the operator has logged in: a reconnection then logs in again and repeats the
    // handshake, and its notice says the link was restored.
    void setLoggedIn(bool loggedIn) { loggedIn_ = loggedIn; }

    // The host as typed, with everything up to and including the first "//" removed, becomes the
    // host of all six registrations.
    void setHostText(const QString& typed);
    static QString hostFromTyped(const QString& typed);
    quint16 portOf(int index) const;

    // Makes registration `index` (0..5, anything else means 0) the current connection.
    void SelectServer(int index);
    // Connects the current registration; false when it cannot be reached.
    bool openConnection();
    void closeConnection();
    bool isConnected() const;

    // Fail-over: tries the next registration (after the sixth, the first). True when it
    // answered; then the handshake has run and the new index is stored.
    bool SwitchServer();
    // The five-step handshake with the server's message relay.
    void RegisterWithServer();
    // Sets this machine's clock to the server's, unless both run on one machine.
    void AlignClockToServer();

    // The message poll could not reach the server. The first time the connection is only dropped
    // (the next poll connects again); when the next poll fails too, the desk fails over.
    void pollFailed();
    void pollSucceeded() { pollFailures_ = 0; }

signals:
    // The current registration changed: datasets opened on the old one are closed.
    void connectionChanged();
    // A fail-over starts or ends: the poll and the clock guard stop, then start again.
    void failoverStarted();
    void failoverFinished();

private:
    void onConnected();
    void pause();
    TcpAppServer& current();

    Session& session_;
    Settings& settings_;
    Machine& machine_;
    std::array<std::unique_ptr<TcpAppServer>, kRegistrations> servers_;
    std::function<void(const QString&)> routeReply_;
    std::function<void(int, const QString&)> notify_;
    int pauseMillis_ = 500;
    bool loggedIn_ = false;
    bool clockNoticeShown_ = false;
    int pollFailures_ = 0;
};
