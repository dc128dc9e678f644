#include "appserver/event_log.h"

#include <QDateTime>

#include <cstdio>

void EventLog::write(const QString& line) {
    if (quiet_)
        return;
    const QByteArray text =
        (QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss ")) + line + u'\n')
            .toUtf8();
    std::lock_guard guard(mutex_);
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stderr);
    std::fflush(stderr);
}
