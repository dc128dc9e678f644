#pragma once

#include "printing/printer_system.h"

// The CUPS implementation.
class CupsPrinterSystem final : public PrinterSystem {
  public:
    QStringList Printers() const override;
    QString DefaultPrinter() const override;
    QString SubmitRawJob(const QString& printer, const QString& title, const QByteArray& bytes) override;
};

// The process's CUPS printers.
PrinterSystem& SystemPrinters();
