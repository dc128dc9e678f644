#pragma once

#include <QTimer>
#include <functional>

// A one-shot timer that is restarted by every write and runs its callback once the writes have
// paused for its interval. An interface, so tests drive it with a fake clock.
class IdleTimer {
  public:
    virtual ~IdleTimer() = default;
    virtual void setCallback(std::function<void()> callback) = 0;
    // (Re)starts the countdown.
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// The window-timer implementation: a single-shot QTimer on the user-interface thread.
class QtIdleTimer final : public IdleTimer {
  public:
    explicit QtIdleTimer(int intervalMillis);
    void setCallback(std::function<void()> callback) override;
    void start() override;
    void stop() override;
    bool isActive() const override;

  private:
    QTimer timer_;
    std::function<void()> callback_;
};
