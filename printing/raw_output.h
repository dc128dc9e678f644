#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

#include "printing/idle_timer.h"

class OutputTargets;

// Shows a corner notice of a kind (0 error) with a text; the engine's way to reach the person.
using NoticeSink = std::function<void(int kind, const QString& text)>;

// The raw output buffer: printer bytes collect here and go out once writing has paused for
// kFlushIdleMillis, or when the next page starts on a printer (each page its own job), or when
// the buffer is destroyed.
class RawOutput {
  public:
    static constexpr int kFlushIdleMillis = 300;
    static constexpr const char* kRawJobTitle = "PagePrint";

    RawOutput(const OutputTargets& targets, std::unique_ptr<IdleTimer> timer, NoticeSink notices);
    ~RawOutput();
    RawOutput(const RawOutput&) = delete;
    RawOutput& operator=(const RawOutput&) = delete;

    void setTarget(const QString& target) { target_ = target; }
    const QString& target() const { return target_; }

    // Appends the bytes and restarts the idle countdown; when a page is done and the target is
    // a printer, the finished page is sent first.
    void Write(const QByteArray& bytes);
    // Sends the buffer to the target and empties it, whether or not sending worked; a failure
    // becomes an error notice.
    void Flush();

    void setPageDone(bool done) { pageDone_ = done; }
    bool pageDone() const { return pageDone_; }
    const QByteArray& buffered() const { return buffer_; }

  private:
    const OutputTargets& targets_;
    std::unique_ptr<IdleTimer> timer_;
    NoticeSink notices_;
    QString target_;
    QByteArray buffer_;
    bool pageDone_ = false;
};
