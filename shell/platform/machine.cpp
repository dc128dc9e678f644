#include "shell/platform/machine.h"

#include <QHostInfo>
#include <QProcess>
#include <ctime>

bool LocalMachine::setClock(const QDateTime& moment) {
    const qint64 millis = moment.toMSecsSinceEpoch();
    timespec time{};
    time.tv_sec = static_cast<time_t>(millis / 1000);
    time.tv_nsec = static_cast<long>((millis % 1000) * 1000000);
    return clock_settime(CLOCK_REALTIME, &time) == 0;
}

QString LocalMachine::hostName() const { return QHostInfo::localHostName(); }

bool LocalMachine::shutDown() {
    return QProcess::execute(QStringLiteral("systemctl"), {QStringLiteral("poweroff")}) == 0;
}
