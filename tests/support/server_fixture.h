#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A real ticketd for a test: started on a free loopback port with a database in a temporary
// folder, stopped (killed) when the fixture goes away. Every server gets the administrator
// kAdminCode with kAdminPassword; `demo` also fills the demo station, whose operators and
// passwords are those of schema::DemoOperators().
class ServerFixture {
  public:
    static inline const QString kAdminCode = QStringLiteral("9999");
    static inline const QString kAdminPassword = QStringLiteral("test-admin-password");

    struct Options {
        bool demo = false;
        QStringList extraArguments;  // e.g. --backup
    };

    ServerFixture();
    explicit ServerFixture(Options options);
    ~ServerFixture();
    ServerFixture(const ServerFixture&) = delete;
    ServerFixture& operator=(const ServerFixture&) = delete;

    // False when the server did not come up; failure() then says why.
    bool started() const { return port_ != 0; }
    QString failure() const { return failure_; }

    QString host() const { return QStringLiteral("127.0.0.1"); }
    quint16 port() const { return port_; }
    QString databasePath() const;
    // What the server wrote on stderr so far.
    QString serverLog();

    // Kills the server and starts it again on the same database (a new port).
    bool restart();
    void stop();

  private:
    bool start();

    Options options_;
    QTemporaryDir folder_;
    std::unique_ptr<QProcess> process_;
    quint16 port_ = 0;
    QString failure_;
    QString log_;
};
