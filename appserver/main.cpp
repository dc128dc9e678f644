#include <QCoreApplication>
#include <QDate>

#include <cstdio>

#include "appserver/database_setup.h"
#include "appserver/day_change.h"
#include "appserver/dialect/translator.h"
#include "appserver/engine/sqlite/sqlite_engine.h"
#include "appserver/event_log.h"
#include "appserver/listener.h"
#include "appserver/lock_table.h"
#include "appserver/operator_accounts.h"
#include "appserver/relay.h"
#include "appserver/schema/catalogue.h"
#include "appserver/server_options.h"
#include "appserver/terminal_password.h"

namespace {

void printError(const QString& text) {
    std::fprintf(stderr, "ticketd: %s\n", text.toLocal8Bit().constData());
}

std::optional<QString> administratorPassword(const QString& code) {
    const QByteArray fromEnvironment = qgetenv("TICKETD_ADMIN_PASSWORD");
    if (!fromEnvironment.isEmpty())
        return QString::fromUtf8(fromEnvironment);
    return readPasswordFromTerminal(QStringLiteral("Password for %1: ").arg(code));
}

void createAdministrator(engine::Connection& db, const QString& code) {
    const std::optional<QString> password = administratorPassword(code);
    if (!password || password->isEmpty())
        throw std::runtime_error("the administrator needs a password");
    const auto existing = operator_accounts::find(db, code);
    const QString name = existing && !existing->name.isEmpty() ? existing->name : code;
    operator_accounts::createOrUpdate(db, {code, name, operator_accounts::kAdministratorRole}, *password);
}

void printDemoLogins(const QList<database_setup::DemoLogin>& logins) {
    if (logins.isEmpty())
        return;
    std::fputs("ticketd: demo station created; log in with one of these operators:\n", stderr);
    for (const auto& login : logins) {
        std::fprintf(stderr, "  code %-6s password %-10s %s (%s)\n", login.code.toUtf8().constData(),
                     login.password.toUtf8().constData(), login.name.toUtf8().constData(),
                     login.role.toUtf8().constData());
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const ParsedOptions parsed = parseServerOptions(QCoreApplication::arguments());
    if (parsed.helpRequested) {
        std::fputs(kServerUsage, stdout);
        return 0;
    }
    if (!parsed.options) {
        printError(parsed.error);
        std::fputs(kServerUsage, stderr);
        return 2;
    }
    const ServerOptions& options = *parsed.options;

    EventLog log(options.quiet);
    engine::SqliteEngine engine(options.databasePath);
    dialect::Translator translation(dialect::Target::Sqlite);
    const QDate today = QDate::currentDate();
    try {
        const auto db = engine.connect();
        const qint64 previousVersion = database_setup::prepare(*db);
        if (previousVersion != 0 && previousVersion < schema::Version()) {
            log.write(QStringLiteral("database upgraded from schema version %1 to %2")
                          .arg(previousVersion)
                          .arg(schema::Version()));
        }
        if (options.demo) {
            const auto logins =
                database_setup::fillDemoStationWhenEmpty(*db, translation, today);
            if (!options.quiet)
                printDemoLogins(logins);
        }
        if (!options.initialAdministrator.isEmpty())
            createAdministrator(*db, options.initialAdministrator);
        day_change::recordTodayWhenNeverChanged(*db, today);
        if (options.dayChangeOnly) {
            const day_change::Outcome outcome = day_change::changeDayIfDue(*db, translation, today);
            std::fputs(outcome == day_change::Outcome::Changed ? "ticketd: timetable turned to today\n"
                                                              : "ticketd: the day change was already done today\n",
                       stdout);
            return 0;
        }
    } catch (const std::exception& error) {
        printError(QStringLiteral("cannot prepare %1: %2")
                       .arg(options.databasePath, QString::fromUtf8(error.what())));
        return 1;
    }

    Relay relay(Relay::Options{options.backup});
    LockTable locks{std::chrono::seconds(options.lockLeaseSeconds)};
    DayChangeWatch dayChange;
    ServerContext context{engine, translation, relay, locks, log, dayChange};
    Listener listener(context, options.maxConnections);
    if (!listener.listen(options.address, options.port)) {
        printError(QStringLiteral("cannot listen on %1:%2: %3")
                       .arg(options.address.toString())
                       .arg(options.port)
                       .arg(listener.errorString()));
        return 1;
    }
    std::fprintf(stdout, "ticketd listening on %s:%u\n",
                 listener.serverAddress().toString().toUtf8().constData(),
                 static_cast<unsigned>(listener.serverPort()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
