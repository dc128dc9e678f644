#include "printing/print_at_once.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "printing/barcode_drawing.h"
#include "printing/cups_printer_system.h"
#include "printing/escp.h"
#include "shell/notice.h"

namespace {

NoticeSink noticesOrCorner(NoticeSink notices) {
    if (notices)
        return notices;
    return [](int kind, const QString& text) { ShowNotice(kind, text); };
}

std::unique_ptr<IdleTimer> timerOrWindowTimer(std::unique_ptr<IdleTimer> timer) {
    return timer ? std::move(timer) : std::make_unique<QtIdleTimer>(RawOutput::kFlushIdleMillis);
}

QSize printerPaperTenths(const QString& printer) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
    const QPageSize size = info.isNull() ? QPageSize(QPageSize::A4) : info.defaultPageSize();
    const QSizeF millimetres = size.size(QPageSize::Millimeter);
    return {qRound(millimetres.width() * 10), qRound(millimetres.height() * 10)};
}

}  // namespace

TPrintAtOnce::TPrintAtOnce(QObject* parent, PrintAtOnceServices services)
    : QObject(parent),
      notices_(noticesOrCorner(std::move(services.notices))),
      targets_(services.printers ? *services.printers : SystemPrinters(), services.settings),
      raw_(targets_, timerOrWindowTimer(std::move(services.flushTimer)), notices_) {
    const QString defaultPrinter = targets_.DefaultPrinter();
    raw_.setTarget(defaultPrinter.isEmpty() ? OutputTargets::Ports().first() : defaultPrinter);
    driverTarget_ = defaultPrinter;
}

TPrintAtOnce::~TPrintAtOnce() = default;

void TPrintAtOnce::setBarImage(QLabel* image) {
    if (image)
        barImage_ = image;
}

void TPrintAtOnce::NewPage(int width, int height) {
    page_.NewPage(width, height);
}

void TPrintAtOnce::DrawText(int x, int y, QRgb colour, const QString& fontName, const QString& text,
                            int style, int size) {
    page_.DrawText(x, y, colour, fontName, text, style, size);
}

void TPrintAtOnce::DrawRotatedText(int x, int y, QRgb colour, const QString& fontName, const QString& text,
                                   int style, int size, int angle) {
    page_.DrawRotatedText(x, y, colour, fontName, text, style, size, angle);
}

void TPrintAtOnce::DrawBox(int x1, int y1, int x2, int y2, QRgb colour) {
    page_.DrawBox(x1, y1, x2, y2, colour);
}

void TPrintAtOnce::DrawEllipse(int x1, int y1, int x2, int y2, QRgb colour) {
    page_.DrawEllipse(x1, y1, x2, y2, colour);
}

void TPrintAtOnce::DrawBarcode(int x, int y, int barHeight, int moduleWidth, QRgb colour,
                               const QString& text) {
    page_.DrawBarcode(x, y, barHeight, moduleWidth, colour, text, SymbologyFromBarId(barId_));
    barcodeWidth_ = page_.BarcodeWidth();
    barcodeHeight_ = page_.BarcodeHeight();
}

void TPrintAtOnce::RenderBarcodeImage(const QString& text, int symbology, int barHeight, int moduleWidth,
                                      QRgb colour) {
    if (!barImage_)
        return;
    const QImage symbol = RenderBarcode(SymbologyFromBarId(symbology == 0 ? barId_ : symbology), text,
                                        barHeight, moduleWidth, colour);
    barcodeWidth_ = symbol.width();
    barcodeHeight_ = symbol.height();
    barImage_->setPixmap(QPixmap::fromImage(symbol));
    barImage_->resize(symbol.size());
}

QImage TPrintAtOnce::pageToSend() {
    if (!page_.HasPage()) {
        notifyError(QStringLiteral("打印失败：还没有组成要打印的页面"));
        return {};
    }
    QImage page = page90_ ? page_.TurnedClockwise() : page_.Image();
    page90_ = false;
    return page;
}

void TPrintAtOnce::sendEncoded(QByteArray (*encode)(const QImage&, QRgb)) {
    const QImage page = pageToSend();
    if (!page.isNull())
        WriteRaw(encode(page, kInkColour));
}

void TPrintAtOnce::SendPage24Pin() {
    sendEncoded(EscpPage24Pin);
}

void TPrintAtOnce::SendPage9PinFine() {
    sendEncoded(EscpPage9PinFine);
}

void TPrintAtOnce::SendPage9PinFast() {
    sendEncoded(EscpPage9PinFast);
}

void TPrintAtOnce::FeedPaper(int n) {
    if (n != 0)
        WriteRaw(EscpFeedPaper(n));
}

void TPrintAtOnce::SetUnidirectional(bool on) {
    WriteRaw(EscpUnidirectional(on));
}

void TPrintAtOnce::PrintPinTest(int pins) {
    WriteRaw(EscpPinTest(pins));
}

void TPrintAtOnce::WriteRaw(const QByteArray& bytes) {
    raw_.Write(bytes);
}

void TPrintAtOnce::FlushRaw() {
    raw_.Flush();
}

void TPrintAtOnce::SelectDriverPrinter() {
    const QString target = UsePrinter();
    switch (targets_.KindOf(target)) {
        case OutputTargets::Kind::Port:
            return;
        case OutputTargets::Kind::Path:
        case OutputTargets::Kind::Printer:
            driverTarget_ = target;
            return;
        case OutputTargets::Kind::Unknown:
            if (!targets_.DriverPrinters().isEmpty())
                driverTarget_ = targets_.DefaultPrinter();
            return;
    }
}

void TPrintAtOnce::PrintPageByDriver() {
    if (!page_.HasPage()) {
        notifyError(QStringLiteral("打印失败：还没有组成要打印的页面"));
        return;
    }
    if (driverTarget_.isEmpty()) {
        page90_ = false;
        notifyError(QStringLiteral("驱动打印失败：系统没有安装打印机"));
        return;
    }
    if (page90_) {
        const int width = paperWidth_;
        setPaperWidth(paperHeight_);
        setPaperHeight(width);
    }
    const QImage page = pageToSend();
    QPrinter printer(QPrinter::HighResolution);
    if (driverTarget_.startsWith(u'/')) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(driverTarget_);
    } else {
        printer.setPrinterName(driverTarget_);
    }
    printer.setDocName(QString::fromLatin1(kDriverJobTitle));
    printer.setFullPage(true);
    if (paperWidth_ > 0 && paperHeight_ > 0) {
        printer.setPageSize(
            QPageSize(QSizeF(paperWidth_ / 10.0, paperHeight_ / 10.0), QPageSize::Millimeter));
    }
    printer.setPageOrientation(landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&printer)) {
        notifyError(QStringLiteral("驱动打印失败：无法在“%1”上开始打印作业").arg(driverTarget_));
        return;
    }
    const int dpi = printer.resolution();
    painter.drawImage(QRect(0, 0, page.width() * dpi / ::PageImage::kDotsPerInch,
                            page.height() * dpi / ::PageImage::kDotsPerInch),
                      page);
    if (!painter.end())
        notifyError(QStringLiteral("驱动打印失败：打印作业“%1”没有完成").arg(driverTarget_));
}

void TPrintAtOnce::setPaperSize(TPaperSize paper) {
    if (paper == TPaperSize::Custom) {
        paperSize_ = paper;
        return;
    }
    const QSize size =
        paper == TPaperSize::Default ? printerPaperTenths(driverTarget_) : PaperSizeTenths(paper);
    paperSize_ = paper;
    paperWidth_ = size.width();
    paperHeight_ = size.height();
}

void TPrintAtOnce::setPaperWidth(int tenths) {
    if (paperSize_ == TPaperSize::Custom)
        paperWidth_ = tenths;
}

void TPrintAtOnce::setPaperHeight(int tenths) {
    if (paperSize_ == TPaperSize::Custom)
        paperHeight_ = tenths;
}

void TPrintAtOnce::notifyError(const QString& text) const {
    notices_(kNoticeError, text);
}
