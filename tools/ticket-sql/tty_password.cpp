#include "tools/ticket-sql/tty_password.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <string>

std::optional<QString> readPasswordFromTty(const QString& prompt) {
    const int tty = ::open("/dev/tty", O_RDWR | O_NOCTTY);
    if (tty < 0)
        return std::nullopt;
    const QByteArray promptBytes = prompt.toLocal8Bit();
    if (::write(tty, promptBytes.constData(), static_cast<size_t>(promptBytes.size())) < 0) {
        ::close(tty);
        return std::nullopt;
    }
    termios saved{};
    const bool canSilence = tcgetattr(tty, &saved) == 0;
    if (canSilence) {
        termios silent = saved;
        silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(tty, TCSAFLUSH, &silent);
    }
    std::string line;
    char c = 0;
    bool gotLine = false;
    while (::read(tty, &c, 1) == 1) {
        if (c == '\n') {
            gotLine = true;
            break;
        }
        line.push_back(c);
    }
    if (canSilence)
        tcsetattr(tty, TCSAFLUSH, &saved);
    [[maybe_unused]] const ssize_t newline = ::write(tty, "\n", 1);
    ::close(tty);
    if (!gotLine && line.empty())
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromLocal8Bit(line.data(), static_cast<qsizetype>(line.size()));
}
