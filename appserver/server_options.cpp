#include "appserver/server_options.h"

#include "protocol/frame.h"

const char* const kServerUsage =
    "Usage: ticketd --db FILE [--port N] [--listen ADDR:PORT] [--demo] [--init-admin CODE]\n"
    "               [--backup] [--quiet] [--max-connections N] [--day-change]\n"
    "\n"
    "The application server of the bus-station ticketing system: owns the database, runs the\n"
    "statements that workstations send, keeps seat locks and relays messages between desks.\n"
    "\n"
    "  --db FILE            SQLite database file (created with every table when empty)\n"
    "  --port N             TCP port on 127.0.0.1 (default 7520; 0 picks a free port and prints it)\n"
    "  --listen ADDR:PORT   listen on another address\n"
    "  --demo               fill an empty database with a demo station\n"
    "  --init-admin CODE    create the administrator CODE (password from TICKETD_ADMIN_PASSWORD\n"
    "                       or the terminal)\n"
    "  --backup             this server keeps only a copy of the data; desks are told so\n"
    "  --quiet              no log lines on stderr\n"
    "  --max-connections N  refuse connections beyond N at once (default 128)\n"
    "  --lock-lease SECONDS roll back and free a seat lock held longer than this (default 30)\n"
    "  --day-change         turn the timetable to today when that is still due, then exit\n"
    "  --help               show this text\n";

namespace {

std::optional<quint16> portOf(const QString& text) {
    bool ok = false;
    const uint port = text.toUInt(&ok);
    if (!ok || port > 65535)
        return std::nullopt;
    return static_cast<quint16>(port);
}

}  // namespace

ParsedOptions parseServerOptions(const QStringList& arguments) {
    ServerOptions options;
    options.port = wire::kDefaultPort;
    const auto failure = [](const QString& error) { return ParsedOptions{std::nullopt, error, false}; };
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& name = arguments.at(i);
        if (name == QLatin1String("--help") || name == QLatin1String("-h"))
            return ParsedOptions{std::nullopt, {}, true};
        const bool takesValue = name == QLatin1String("--db") || name == QLatin1String("--port") ||
                                name == QLatin1String("--listen") || name == QLatin1String("--init-admin") ||
                                name == QLatin1String("--max-connections") ||
                                name == QLatin1String("--lock-lease");
        if (takesValue && i + 1 >= arguments.size())
            return failure(name + QStringLiteral(" needs a value"));
        const QString value = takesValue ? arguments.at(++i) : QString();
        if (name == QLatin1String("--db")) {
            options.databasePath = value;
        } else if (name == QLatin1String("--port")) {
            const auto port = portOf(value);
            if (!port)
                return failure(QStringLiteral("--port needs a number from 0 to 65535"));
            options.port = *port;
        } else if (name == QLatin1String("--listen")) {
            const qsizetype colon = value.lastIndexOf(u':');
            const auto port = colon > 0 ? portOf(value.mid(colon + 1)) : std::nullopt;
            QString host = value.left(colon);
            if (host.startsWith(u'[') && host.endsWith(u']'))
                host = host.mid(1, host.size() - 2);  // [::1]:7520
            const QHostAddress address(host);
            if (!port || address.isNull())
                return failure(QStringLiteral("--listen needs ADDR:PORT"));
            options.address = address;
            options.port = *port;
        } else if (name == QLatin1String("--init-admin")) {
            if (value.isEmpty())
                return failure(QStringLiteral("--init-admin needs an operator code"));
            options.initialAdministrator = value;
        } else if (name == QLatin1String("--max-connections")) {
            bool ok = false;
            options.maxConnections = value.toInt(&ok);
            if (!ok || options.maxConnections < 1)
                return failure(QStringLiteral("--max-connections needs a positive number"));
        } else if (name == QLatin1String("--lock-lease")) {
            bool ok = false;
            options.lockLeaseSeconds = value.toInt(&ok);
            if (!ok || options.lockLeaseSeconds < 1)
                return failure(QStringLiteral("--lock-lease needs a positive number"));
        } else if (name == QLatin1String("--demo")) {
            options.demo = true;
        } else if (name == QLatin1String("--quiet")) {
            options.quiet = true;
        } else if (name == QLatin1String("--backup")) {
            options.backup = true;
        } else if (name == QLatin1String("--day-change")) {
            options.dayChangeOnly = true;
        } else {
            return failure(QStringLiteral("unknown option ") + name);
        }
    }
    if (options.databasePath.isEmpty())
        return failure(QStringLiteral("--db FILE is required"));
    return ParsedOptions{options, {}, false};
}
