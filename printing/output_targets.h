#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class PrinterSystem;
class Settings;

// Where printer output can go: an installed printer (a raw spool job), one of the port names
// LPT1-LPT3 and COM1-COM3 (written to the device file the workstation maps it to), or an
// absolute path (a device such as /dev/usb/lp0, or a plain file).
class OutputTargets {
  public:
    enum class Kind { Printer, Port, Path, Unknown };

    // The printer list is read once, here.
    OutputTargets(PrinterSystem& printers, const Settings* settings);

    static const QStringList& Ports();
    // The settings key that maps a port to its device file ("PrinterPorts/LPT1").
    static QString PortSettingKey(const QString& port);
    static QString DefaultPortDevice(const QString& port);

    const QStringList& DriverPrinters() const { return driverPrinters_; }
    QString DefaultPrinter() const { return defaultPrinter_; }
    Kind KindOf(const QString& target) const;
    bool IsDriverPrinter(const QString& target) const { return KindOf(target) == Kind::Printer; }
    // The device file of a port, as the workstation settings map it.
    QString PortDevice(const QString& port) const;

    // Sends the bytes to the target: one raw job titled `jobTitle` for a printer, one write for a
    // port or path. Returns "" on success, else what failed (in the words shown to the person).
    QString Send(const QString& target, const QByteArray& bytes, const QString& jobTitle) const;

  private:
    QString writeDevice(const QString& target, const QString& device, const QByteArray& bytes) const;

    PrinterSystem& printers_;
    const Settings* settings_;
    QStringList driverPrinters_;
    QString defaultPrinter_;
};
