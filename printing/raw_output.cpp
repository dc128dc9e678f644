#include "printing/raw_output.h"

#include "printing/output_targets.h"
#include "shell/notice.h"

RawOutput::RawOutput(const OutputTargets& targets, std::unique_ptr<IdleTimer> timer, NoticeSink notices)
    : targets_(targets), timer_(std::move(timer)), notices_(std::move(notices)) {
    timer_->setCallback([this] { Flush(); });
}

RawOutput::~RawOutput() {
    timer_->setCallback({});
    Flush();
}

void RawOutput::Write(const QByteArray& bytes) {
    timer_->stop();
    if (pageDone_ && targets_.IsDriverPrinter(target_))
        Flush();
    buffer_ += bytes;
    timer_->start();
}

void RawOutput::Flush() {
    timer_->stop();
    pageDone_ = false;
    if (buffer_.isEmpty())
        return;
    const QString failure = targets_.Send(target_, buffer_, QString::fromLatin1(kRawJobTitle));
    buffer_.clear();
    if (!failure.isEmpty() && notices_)
        notices_(kNoticeError, failure);
}
