#pragma once

#include <QDateTime>
#include <QString>

// What the workstation asks of the machine it runs on: its clock, its name and switching it off.
class Machine {
public:
    virtual ~Machine() = default;
    // Sets the system clock; false when not permitted or not possible.
    virtual bool setClock(const QDateTime& moment) = 0;
    virtual QString hostName() const = 0;
    // Asks the system to power off; false when it refused.
    virtual bool shutDown() = 0;
};

// The real machine: clock_settime, the kernel's host name, `systemctl poweroff`.
class LocalMachine final : public Machine {
public:
    bool setClock(const QDateTime& moment) override;
    QString hostName() const override;
    bool shutDown() override;
};
