#include "printing/idle_timer.h"

QtIdleTimer::QtIdleTimer(int intervalMillis) {
    timer_.setObjectName(QStringLiteral("tmr"));
    timer_.setSingleShot(true);
    timer_.setInterval(intervalMillis);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (callback_)
            callback_();
    });
}

void QtIdleTimer::setCallback(std::function<void()> callback) {
    callback_ = std::move(callback);
}

void QtIdleTimer::start() {
    timer_.start();
}

void QtIdleTimer::stop() {
    timer_.stop();
}

bool QtIdleTimer::isActive() const {
    return timer_.isActive();
}
