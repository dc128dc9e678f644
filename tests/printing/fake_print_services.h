#pragma once

#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

#include "printing/idle_timer.h"
#include "printing/printer_system.h"

// Time that moves only when a test says so; the engine's flush timer runs on it.
class FakeClock {
  public:
    int now() const { return now_; }
    void advance(int millis);

  private:
    friend class FakeIdleTimer;
    int now_ = 0;
    std::vector<class FakeIdleTimer*> timers_;
};

class FakeIdleTimer final : public IdleTimer {
  public:
    FakeIdleTimer(FakeClock& clock, int intervalMillis) : clock_(clock), interval_(intervalMillis) {
        clock_.timers_.push_back(this);
    }
    ~FakeIdleTimer() override { std::erase(clock_.timers_, this); }
    void setCallback(std::function<void()> callback) override { callback_ = std::move(callback); }
    void start() override { deadline_ = clock_.now() + interval_; }
    void stop() override { deadline_.reset(); }
    bool isActive() const override { return deadline_.has_value(); }

    // Runs the callback when the deadline has come.
    void fireIfDue() {
        if (deadline_ && *deadline_ <= clock_.now()) {
            deadline_.reset();
            if (callback_)
                callback_();
        }
    }

  private:
    FakeClock& clock_;
    int interval_;
    std::optional<int> deadline_;
    std::function<void()> callback_;
};

inline void FakeClock::advance(int millis) {
    now_ += millis;
    for (FakeIdleTimer* timer : std::vector<FakeIdleTimer*>(timers_))
        timer->fireIfDue();
}

struct RawJob {
    QString printer;
    QString title;
    QByteArray bytes;
};

// Installed printers that record their raw jobs instead of printing them.
class FakePrinterSystem final : public PrinterSystem {
  public:
    QStringList printers;
    QString defaultPrinter;
    QString failure;
    std::vector<RawJob> jobs;

    QStringList Printers() const override { return printers; }
    QString DefaultPrinter() const override { return defaultPrinter; }
    QString SubmitRawJob(const QString& printer, const QString& title, const QByteArray& bytes) override {
        if (!failure.isEmpty())
            return failure;
        jobs.push_back({printer, title, bytes});
        return {};
    }
};
