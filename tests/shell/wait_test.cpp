#include "shell/wait.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

namespace {

TEST(Wait, HandlesEventsWhileWaitingAndLastsAtLeastTheTime) {
    int fired = 0;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++fired; });
    timer.start();
    QElapsedTimer clock;
    clock.start();
    WaitMillis(60);
    EXPECT_GE(clock.elapsed(), 60);
    EXPECT_GE(fired, 1);  // a timer fires during the wait
}

TEST(Wait, TenthsAreHundredMilliseconds) {
    QElapsedTimer clock;
    clock.start();
    WaitTenths(1);
    EXPECT_GE(clock.elapsed(), 100);
}

TEST(Wait, NegativeCountHandlesPendingEventsOnce) {
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    WaitTenths(-1);
    EXPECT_TRUE(handled);
}

}  // namespace
