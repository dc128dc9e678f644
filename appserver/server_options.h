#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <optional>

struct ServerOptions {
    static constexpr int kDefaultMaxConnections = 128;

    QString databasePath;
    QHostAddress address = QHostAddress(QHostAddress::LocalHost);
    quint16 port = 7520;
    bool demo = false;
    QString initialAdministrator;  // operator code, empty when none is to be created
    bool quiet = false;
    bool backup = false;
    bool dayChangeOnly = false;  // run the day change when due and exit instead of serving
    int maxConnections = kDefaultMaxConnections;
    int lockLeaseSeconds = 30;
};

// The options of ticketd's command line, or the text that explains what is wrong with it.
struct ParsedOptions {
    std::optional<ServerOptions> options;
    QString error;
    bool helpRequested = false;
};
ParsedOptions parseServerOptions(const QStringList& arguments);

extern const char* const kServerUsage;
