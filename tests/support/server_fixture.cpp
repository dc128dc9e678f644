#include "tests/support/server_fixture.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>

namespace {

constexpr int kStartTimeoutMs = 30000;
const QString kListeningPrefix = QStringLiteral("ticketd listening on ");

QString serverProgram() {
    const QString buildDir = qEnvironmentVariable("TICKETS_BUILD_DIR");
    return (buildDir.isEmpty() ? QStringLiteral(".") : buildDir) + QStringLiteral("/appserver/ticketd");
}

}  // namespace

ServerFixture::ServerFixture() : ServerFixture(Options{}) {}

ServerFixture::ServerFixture(Options options) : options_(std::move(options)) {
    if (!folder_.isValid()) {
        failure_ = QStringLiteral("cannot create a temporary folder");
        return;
    }
    start();
}

ServerFixture::~ServerFixture() {
    stop();
}

QString ServerFixture::databasePath() const {
    return folder_.filePath(QStringLiteral("station.db"));
}

QString ServerFixture::serverLog() {
    if (process_)
        log_ += QString::fromUtf8(process_->readAllStandardError());
    return log_;
}

bool ServerFixture::restart() {
    stop();
    return start();
}

void ServerFixture::stop() {
    if (!process_)
        return;
    serverLog();
    process_->kill();
    process_->waitForFinished(kStartTimeoutMs);
    process_.reset();
    port_ = 0;
}

bool ServerFixture::start() {
    process_ = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TICKETD_ADMIN_PASSWORD"), kAdminPassword);
    process_->setProcessEnvironment(environment);
    QStringList arguments{QStringLiteral("--db"),
                          databasePath(),
                          QStringLiteral("--port"),
                          QStringLiteral("0"),
                          QStringLiteral("--quiet"),
                          QStringLiteral("--init-admin"),
                          kAdminCode};
    if (options_.demo)
        arguments.append(QStringLiteral("--demo"));
    arguments.append(options_.extraArguments);
    process_->start(serverProgram(), arguments);
    if (!process_->waitForStarted(kStartTimeoutMs)) {
        failure_ = QStringLiteral("cannot start %1: %2").arg(serverProgram(), process_->errorString());
        return false;
    }
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!process_->canReadLine()) {
        if (deadline.hasExpired() || process_->state() != QProcess::Running) {
            process_->waitForFinished(1000);
            failure_ = QStringLiteral("ticketd did not report its port: %1").arg(serverLog());
            return false;
        }
        process_->waitForReadyRead(static_cast<int>(qMax<qint64>(deadline.remainingTime(), 1)));
    }
    const QString line = QString::fromUtf8(process_->readLine()).trimmed();
    if (!line.startsWith(kListeningPrefix)) {
        failure_ = QStringLiteral("unexpected first line from ticketd: ") + line;
        return false;
    }
    const QString address = line.mid(kListeningPrefix.size());
    port_ = static_cast<quint16>(address.mid(address.lastIndexOf(u':') + 1).toUInt());
    if (port_ == 0)
        failure_ = QStringLiteral("no port in: ") + line;
    return port_ != 0;
}
