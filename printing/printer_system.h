#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The installed printers and their spooler, behind an interface so tests can stand in for it.
class PrinterSystem {
  public:
    virtual ~PrinterSystem() = default;
    virtual QStringList Printers() const = 0;
    // The default printer, or "" when there is none.
    virtual QString DefaultPrinter() const = 0;
    // Queues the bytes as one raw job (no filtering) titled `title`; returns "" when the job was
    // accepted, else what failed.
    virtual QString SubmitRawJob(const QString& printer, const QString& title, const QByteArray& bytes) = 0;
};
