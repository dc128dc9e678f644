#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>

#include "printing/output_targets.h"
#include "printing/page_image.h"
#include "printing/paper_size.h"
#include "printing/raw_output.h"

class PrinterSystem;
class Settings;

// What the engine works with; anything left empty takes the program's own: the CUPS printers,
// no port mapping (default devices), a window timer, corner notices.
struct PrintAtOnceServices {
    PrinterSystem* printers = nullptr;
    const Settings* settings = nullptr;
    std::unique_ptr<IdleTimer> flushTimer;
    NoticeSink notices;
};

// The direct print engine: composes one page as a 180-dpi image and sends it to a dot-matrix
// printer as ESC/P bit-image bands (a raw spool job or a port), or prints it through the printer
// driver. Also draws bar codes into a picture (BarImage). Having no printer installed is not
// fatal: ports and files still work.
class TPrintAtOnce : public QObject {
    Q_OBJECT
  public:
    explicit TPrintAtOnce(QObject* parent = nullptr, PrintAtOnceServices services = {});
    // Sends whatever is still buffered.
    ~TPrintAtOnce() override;

    // Output target: an installed printer, a port name (LPT1-3, COM1-3) or an absolute path.
    QString UsePrinter() const { return raw_.target(); }
    void setUsePrinter(const QString& target) { raw_.setTarget(target); }
    const QStringList& DriverPrinters() const { return targets_.DriverPrinters(); }
    static const QStringList& Ports() { return OutputTargets::Ports(); }

    int BarId() const { return barId_; }
    void setBarId(int barId) { barId_ = barId; }
    QLabel* BarImage() const { return barImage_; }
    // Setting it to nothing is ignored.
    void setBarImage(QLabel* image);
    bool Page90() const { return page90_; }
    void setPage90(bool turned) { page90_ = turned; }
    QString FontName() const { return fontName_; }
    void setFontName(const QString& name) { fontName_ = name; }

    // Page image (positions in tenths of a millimetre; see PageImage).
    void NewPage(int width, int height);
    void DrawText(int x, int y, QRgb colour, const QString& fontName, const QString& text, int style,
                  int size);
    void DrawRotatedText(int x, int y, QRgb colour, const QString& fontName, const QString& text, int style,
                         int size, int angle);
    void DrawBox(int x1, int y1, int x2, int y2, QRgb colour);
    void DrawEllipse(int x1, int y1, int x2, int y2, QRgb colour);
    // A bar code of symbology BarId with its top left corner at (x, y).
    void DrawBarcode(int x, int y, int barHeight, int moduleWidth, QRgb colour, const QString& text);
    const QImage& PageImage() const { return page_.Image(); }
    QRect LastBox() const { return page_.LastBox(); }
    int BarcodeWidth() const { return barcodeWidth_; }
    int BarcodeHeight() const { return barcodeHeight_; }
    QString LastFontFamily() const { return page_.LastFontFamily(); }

    // Bar-code picture: draws a symbol (0 means BarId) into BarImage, sized to the symbol.
    void RenderBarcodeImage(const QString& text, int symbology, int barHeight, int moduleWidth, QRgb colour);

    // ESC/P output: the page as bands, appended to the raw output buffer; Page90 turns the page
    // first and is cleared afterwards.
    void SendPage24Pin();
    void SendPage9PinFine();
    void SendPage9PinFast();
    void FeedPaper(int n);
    void SetUnidirectional(bool on);
    void PrintPinTest(int pins);
    void WriteRaw(const QByteArray& bytes);
    void FlushRaw();
    bool PageDone() const { return raw_.pageDone(); }
    // Callers mark each complete page so that it becomes its own job.
    void setPageDone(bool done) { raw_.setPageDone(done); }
    const QByteArray& RawBuffer() const { return raw_.buffered(); }

    // Driver printing: the page stretched so that one pixel covers 1/180 inch, as a job titled
    // "Pz-Driver-Doc" on the selected printer, or as a PDF when the target is a file path.
    void SelectDriverPrinter();
    QString DriverTarget() const { return driverTarget_; }
    void PrintPageByDriver();
    void SetLandscape(bool on) { landscape_ = on; }
    bool Landscape() const { return landscape_; }

    TPaperSize PaperSize() const { return paperSize_; }
    void setPaperSize(TPaperSize paper);
    int PaperWidth() const { return paperWidth_; }
    int PaperHeight() const { return paperHeight_; }
    // Only while PaperSize is Custom.
    void setPaperWidth(int tenths);
    void setPaperHeight(int tenths);

    static constexpr const char* kDriverJobTitle = "Pz-Driver-Doc";

  private:
    // The page to send, turned when Page90 is set; null (with an error notice) without a page.
    QImage pageToSend();
    void sendEncoded(QByteArray (*encode)(const QImage&, QRgb));
    void notifyError(const QString& text) const;

    NoticeSink notices_;
    OutputTargets targets_;
    RawOutput raw_;
    ::PageImage page_;
    QPointer<QLabel> barImage_;
    int barId_ = 1;
    int barcodeWidth_ = 0;
    int barcodeHeight_ = 0;
    bool page90_ = false;
    bool landscape_ = false;
    QString fontName_ = QStringLiteral("宋体");
    QString driverTarget_;
    TPaperSize paperSize_ = TPaperSize::Default;
    int paperWidth_ = 0;
    int paperHeight_ = 0;
};
