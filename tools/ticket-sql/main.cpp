// ticket-sql: a command-line client of ticketd for administrators.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <stdexcept>

#include "protocol/frame.h"
#include "server/server_error.h"
#include "server/tcp_app_server.h"
#include "tools/ticket-sql/sql_console.h"
#include "tools/ticket-sql/tty_password.h"

namespace {

enum ExitCode { Success = 0, StatementFailed = 1, CannotStart = 2 };

const char kPasswordVariable[] = "TICKET_SQL_PASSWORD";

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ticket-sql"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Runs statements on ticketd: from the arguments, or from standard input one per line.\n"
        "A select prints its rows as tab-separated values with a header line; other statements\n"
        "print \"N rows affected\". \\call METHOD ARG... calls a server method; quote a text that\n"
        "looks like a number ('8003'). The password is asked for on the terminal unless\n"
        "TICKET_SQL_PASSWORD is set."));
    parser.addHelpOption();
    const QCommandLineOption hostOption(QStringLiteral("host"), QStringLiteral("Server host (127.0.0.1)."),
                                        QStringLiteral("H"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Server port (%1).").arg(wire::kDefaultPort),
                                        QStringLiteral("P"), QString::number(wire::kDefaultPort));
    const QCommandLineOption userOption(
        QStringLiteral("user"), QStringLiteral("Operator code to log in with."), QStringLiteral("CODE"));
    const QCommandLineOption keepGoingOption(
        QStringLiteral("keep-going"), QStringLiteral("Go on with the next statement after a failure."));
    parser.addOptions({hostOption, portOption, userOption, keepGoingOption});
    parser.addPositionalArgument(QStringLiteral("statement"), QStringLiteral("Statements to run, in order."),
                                 QStringLiteral("[statement...]"));
    parser.process(app);

    if (!parser.isSet(userOption)) {
        err << "ticket-sql: --user CODE is required\n";
        return CannotStart;
    }
    bool portIsNumber = false;
    const uint port = parser.value(portOption).toUInt(&portIsNumber);
    if (!portIsNumber || port > 65535) {
        err << "ticket-sql: --port needs a port number\n";
        return CannotStart;
    }

    TcpAppServer server;
    try {
        server.connectTo(parser.value(hostOption), static_cast<quint16>(port));
        const QString user = parser.value(userOption);
        if (qEnvironmentVariableIsSet(kPasswordVariable)) {
            server.Login(user, qEnvironmentVariable(kPasswordVariable));
        } else {
            const auto typed = readPasswordFromTty(QStringLiteral("Password for %1: ").arg(user));
            if (!typed) {
                err << "ticket-sql: no terminal to ask for the password; set " << kPasswordVariable << '\n';
                return CannotStart;
            }
            server.Login(user, *typed);
        }
    } catch (const ServerError& e) {
        err << "ticket-sql: " << e.message() << '\n';
        return CannotStart;
    }

    SqlConsole console(server, out);
    const bool keepGoing = parser.isSet(keepGoingOption);
    int exitCode = Success;
    const auto runLine = [&](const QString& line) {
        try {
            console.run(line);
            return true;
        } catch (const ServerError& e) {
            err << e.message() << '\n';
        } catch (const std::invalid_argument& e) {
            err << "ticket-sql: " << e.what() << '\n';
        }
        err.flush();
        exitCode = StatementFailed;
        return keepGoing;
    };

    const QStringList statements = parser.positionalArguments();
    if (!statements.isEmpty()) {
        for (const QString& statement : statements) {
            if (!runLine(statement))
                break;
        }
    } else {
        QTextStream in(stdin);
        QString line;
        while (in.readLineInto(&line)) {
            if (!runLine(line))
                break;
        }
    }
    return exitCode;
}
