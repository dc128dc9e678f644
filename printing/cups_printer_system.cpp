#include <cups/cups.h>

#include "printing/cups_printer_system.h"

namespace {

QString lastCupsError() {
    return QString::fromUtf8(cupsLastErrorString());
}

template <typename Visit>
void forEachDestination(Visit visit) {
    cups_dest_t* destinations = nullptr;
    const int count = cupsGetDests(&destinations);
    for (int i = 0; i < count; ++i)
        visit(destinations[i]);
    cupsFreeDests(count, destinations);
}

}  // namespace

QStringList CupsPrinterSystem::Printers() const {
    QStringList names;
    forEachDestination([&](const cups_dest_t& dest) {
        if (!dest.instance)
            names << QString::fromUtf8(dest.name);
    });
    return names;
}

QString CupsPrinterSystem::DefaultPrinter() const {
    QString name;
    forEachDestination([&](const cups_dest_t& dest) {
        if (dest.is_default && name.isEmpty())
            name = QString::fromUtf8(dest.name);
    });
    return name;
}

QString CupsPrinterSystem::SubmitRawJob(const QString& printer, const QString& title,
                                        const QByteArray& bytes) {
    const QByteArray name = printer.toUtf8();
    const QByteArray jobTitle = title.toUtf8();
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), jobTitle.constData(), 0, nullptr);
    if (job == 0)
        return lastCupsError();
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), job, jobTitle.constData(), CUPS_FORMAT_RAW,
                          1) != HTTP_STATUS_CONTINUE) {
        return lastCupsError();
    }
    if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, bytes.constData(), static_cast<size_t>(bytes.size())) !=
        HTTP_STATUS_CONTINUE) {
        cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData());
        cupsCancelJob(name.constData(), job);
        return lastCupsError();
    }
    if (cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData()) != IPP_STATUS_OK)
        return lastCupsError();
    return {};
}

PrinterSystem& SystemPrinters() {
    static CupsPrinterSystem printers;
    return printers;
}
