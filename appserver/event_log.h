#pragma once

#include <QString>

#include <mutex>

// The server's log on stderr: connections opened and closed, failed statements. Silent with --quiet.
class EventLog {
  public:
    explicit EventLog(bool quiet) : quiet_(quiet) {}
    void write(const QString& line);

  private:
    const bool quiet_;
    std::mutex mutex_;
};
