#include "shell/wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

void WaitMillis(int millis) {
    if (millis < 0) {
        QCoreApplication::processEvents();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    // A nested loop sleeps until an event or the deadline instead of spinning; it is run again
    // if some handler quits it early.
    while (clock.elapsed() < millis) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(millis - clock.elapsed()), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void WaitTenths(int tenths) { WaitMillis(tenths < 0 ? -1 : tenths * 100); }
