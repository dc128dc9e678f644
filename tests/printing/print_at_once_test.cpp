#include "printing/print_at_once.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include "printing/cups_printer_system.h"
#include "printing/escp.h"
#include "shell/notice.h"
#include "shell/settings.h"
#include "tests/printing/fake_print_services.h"
#include "tests/support/qt_print.h"

namespace {

struct Notice {
    int kind;
    QString text;
};

// An engine on a fake clock and fake printers, with port LPT2 mapped to a file.
class PrintAtOnceTest : public testing::Test {
  protected:
    PrintAtOnceTest() : settings(folder.filePath(QStringLiteral("Tickets.conf"))) {
        printers.printers = {QStringLiteral("Counter-24pin"), QStringLiteral("Office-Laser")};
        printers.defaultPrinter = QStringLiteral("Office-Laser");
        settings.setLocalValue(OutputTargets::PortSettingKey(QStringLiteral("LPT2")), portFile());
    }

    std::unique_ptr<TPrintAtOnce> makeEngine() {
        PrintAtOnceServices services;
        services.printers = &printers;
        services.settings = &settings;
        services.flushTimer = std::make_unique<FakeIdleTimer>(clock, RawOutput::kFlushIdleMillis);
        services.notices = [this](int kind, const QString& text) { notices.push_back({kind, text}); };
        return std::make_unique<TPrintAtOnce>(nullptr, std::move(services));
    }

    QString portFile() const { return folder.filePath(QStringLiteral("lpt2.out")); }

    QByteArray portBytes() const {
        QFile file(portFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder;
    Settings settings;
    FakeClock clock;
    FakePrinterSystem printers;
    std::vector<Notice> notices;
};

TEST_F(PrintAtOnceTest, StartsOnTheDefaultPrinterWithItsPrinterList) {
    auto engine = makeEngine();
    EXPECT_EQ(engine->UsePrinter(), u"Office-Laser");
    EXPECT_EQ(engine->DriverPrinters(), printers.printers);
    EXPECT_EQ(engine->FontName(), u"宋体");
    EXPECT_EQ(engine->BarId(), 1);
    EXPECT_EQ(TPrintAtOnce::Ports(), (QStringList{"LPT1", "LPT2", "LPT3", "COM1", "COM2", "COM3"}));
}

TEST(OutputTargets, PortsMapToDeviceFilesUnlessTheWorkstationSaysOtherwise) {
    const std::pair<const char*, const char*> defaults[] = {
        {"LPT1", "/dev/lp0"}, {"LPT3", "/dev/lp2"}, {"COM1", "/dev/ttyS0"}, {"com3", "/dev/ttyS2"}};
    FakePrinterSystem printers;
    const OutputTargets unmapped(printers, nullptr);
    for (auto [port, device] : defaults)
        EXPECT_EQ(unmapped.PortDevice(QString::fromLatin1(port)), QString::fromLatin1(device));

    QTemporaryDir folder;
    Settings settings(folder.filePath(QStringLiteral("Tickets.conf")));
    settings.setLocalValue(OutputTargets::PortSettingKey(QStringLiteral("lpt1")),
                           QStringLiteral("/dev/usb/lp0"));
    const OutputTargets mapped(printers, &settings);
    EXPECT_EQ(mapped.PortDevice(QStringLiteral("LPT1")), u"/dev/usb/lp0");
    EXPECT_EQ(mapped.PortDevice(QStringLiteral("LPT2")), u"/dev/lp1");
    EXPECT_EQ(mapped.KindOf(QStringLiteral("lpt2")), OutputTargets::Kind::Port);
    EXPECT_EQ(mapped.KindOf(QStringLiteral("/tmp/ticket.prn")), OutputTargets::Kind::Path);
    EXPECT_EQ(mapped.KindOf(QStringLiteral("Somewhere")), OutputTargets::Kind::Unknown);
}

TEST(CupsPrinterSystem, JobForAPrinterThatDoesNotExistIsRefusedWithAReason) {
    CupsPrinterSystem cups;
    const QString missing = QStringLiteral("No-Such-Printer-For-Tickets");
    ASSERT_FALSE(cups.Printers().contains(missing));
    EXPECT_FALSE(cups.SubmitRawJob(missing, QStringLiteral("PagePrint"), "\r").isEmpty());
}

TEST_F(PrintAtOnceTest, NoInstalledPrinterIsNotFatalAndPortsStillWork) {
    printers.printers.clear();
    printers.defaultPrinter.clear();
    auto engine = makeEngine();
    EXPECT_EQ(engine->UsePrinter(), u"LPT1");
    engine->setUsePrinter(QStringLiteral("LPT2"));
    engine->FeedPaper(24);
    clock.advance(RawOutput::kFlushIdleMillis);
    EXPECT_EQ(portBytes(), EscpFeedPaper(24));

    engine->NewPage(100, 100);
    engine->PrintPageByDriver();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].kind, kNoticeError);
    EXPECT_TRUE(notices[0].text.contains(u"没有安装打印机")) << notices[0].text.toStdString();
}

TEST_F(PrintAtOnceTest, PortOutputGoesOut300MillisecondsAfterTheLastWrite) {
    auto engine = makeEngine();
    engine->setUsePrinter(QStringLiteral("LPT2"));
    engine->WriteRaw("first");
    clock.advance(299);
    EXPECT_EQ(portBytes(), QByteArray());
    // A page done on a port does not split the output: it waits for the pause.
    engine->setPageDone(true);
    engine->WriteRaw("second");
    clock.advance(299);
    EXPECT_EQ(portBytes(), QByteArray());
    clock.advance(1);
    EXPECT_EQ(portBytes(), QByteArray("firstsecond"));
    EXPECT_TRUE(engine->RawBuffer().isEmpty());
    EXPECT_FALSE(engine->PageDone());
    EXPECT_TRUE(notices.empty());
}

TEST_F(PrintAtOnceTest, EachPageOnAPrinterIsItsOwnRawJob) {
    auto engine = makeEngine();
    engine->setUsePrinter(QStringLiteral("Counter-24pin"));
    for (const char* page : {"page one", "page two", "page three"}) {
        engine->WriteRaw(page);
        engine->setPageDone(true);
    }
    // The first two went out when the next page started; the last waits for the pause.
    ASSERT_EQ(printers.jobs.size(), 2u);
    clock.advance(RawOutput::kFlushIdleMillis);
    ASSERT_EQ(printers.jobs.size(), 3u);
    for (const RawJob& job : printers.jobs) {
        EXPECT_EQ(job.printer, u"Counter-24pin");
        EXPECT_EQ(job.title, u"PagePrint");
    }
    EXPECT_EQ(printers.jobs[1].bytes, QByteArray("page two"));
}

TEST_F(PrintAtOnceTest, FailuresEmptyTheBufferAndSayWhatFailed) {
    struct Case {
        QString target;
        QString failure;
        QString mentioned;
    };
    settings.setLocalValue(OutputTargets::PortSettingKey(QStringLiteral("COM3")),
                           folder.filePath(QStringLiteral("missing/ttyS2")));
    const Case cases[] = {
        {QStringLiteral("COM3"), {}, QStringLiteral("missing/ttyS2")},
        {QStringLiteral("Counter-24pin"), QStringLiteral("printer is stopped"),
         QStringLiteral("printer is stopped")},
        {QStringLiteral("NoSuchPrinter"), {}, QStringLiteral("NoSuchPrinter")},
    };
    for (const Case& c : cases) {
        notices.clear();
        printers.failure = c.failure;
        auto engine = makeEngine();
        engine->setUsePrinter(c.target);
        engine->WriteRaw("ticket");
        engine->FlushRaw();
        EXPECT_TRUE(engine->RawBuffer().isEmpty()) << c.target.toStdString();
        ASSERT_EQ(notices.size(), 1u) << c.target.toStdString();
        EXPECT_EQ(notices[0].kind, kNoticeError);
        EXPECT_TRUE(notices[0].text.contains(c.target)) << notices[0].text.toStdString();
        EXPECT_TRUE(notices[0].text.contains(c.mentioned)) << notices[0].text.toStdString();
    }
}

TEST_F(PrintAtOnceTest, BufferIsFlushedWhenTheEngineIsDestroyed) {
    auto engine = makeEngine();
    engine->setUsePrinter(QStringLiteral("LPT2"));
    engine->WriteRaw("last ticket");
    engine.reset();
    EXPECT_EQ(portBytes(), QByteArray("last ticket"));
}

TEST_F(PrintAtOnceTest, SentPageIsTheEncodedImageAndPage90TurnsItOnce) {
    auto engine = makeEngine();
    engine->setUsePrinter(QStringLiteral("LPT2"));
    engine->NewPage(400, 100);
    engine->DrawBox(0, 0, 399, 99, kInkColour);
    engine->SetUnidirectional(true);
    engine->setPage90(true);
    engine->SendPage24Pin();
    EXPECT_FALSE(engine->Page90());
    engine->SendPage9PinFast();
    clock.advance(RawOutput::kFlushIdleMillis);
    const QImage& page = engine->PageImage();
    EXPECT_EQ(portBytes(), EscpUnidirectional(true) +
                               EscpPage24Pin(page.transformed(QTransform().rotate(90)), kInkColour) +
                               EscpPage9PinFast(page, kInkColour));
}

TEST_F(PrintAtOnceTest, SendingWithoutAPageIsReported) {
    auto engine = makeEngine();
    engine->SendPage24Pin();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].kind, kNoticeError);
    EXPECT_TRUE(engine->RawBuffer().isEmpty());
}

TEST_F(PrintAtOnceTest, DriverPrintingToAFileWritesAPdfTitledPzDriverDoc) {
    auto engine = makeEngine();
    const QString pdf = folder.filePath(QStringLiteral("ticket.pdf"));
    engine->setUsePrinter(pdf);
    engine->SelectDriverPrinter();
    EXPECT_EQ(engine->DriverTarget(), pdf);
    engine->setPaperSize(TPaperSize::Custom);
    engine->setPaperHeight(300);
    engine->setPaperWidth(1200);
    engine->NewPage(1200, 300);
    engine->DrawText(100, 50, kBlackColour, QStringLiteral("宋体"), QStringLiteral("深圳 全票"), 0, 12);
    engine->setPage90(true);
    engine->PrintPageByDriver();
    EXPECT_TRUE(notices.empty());
    EXPECT_FALSE(engine->Page90());
    // The turned page goes on turned paper.
    EXPECT_EQ(engine->PaperWidth(), 300);
    EXPECT_EQ(engine->PaperHeight(), 1200);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    // The document title is written as UTF-16BE text with its byte order mark.
    QByteArray title("\xFE\xFF");
    for (char c : QByteArray("Pz-Driver-Doc"))
        title += QByteArray(1, '\0') + c;
    EXPECT_TRUE(bytes.contains(title));
}

TEST_F(PrintAtOnceTest, SelectDriverPrinterLeavesPortsAloneAndFallsBackToTheDefault) {
    auto engine = makeEngine();
    engine->setUsePrinter(QStringLiteral("Counter-24pin"));
    engine->SelectDriverPrinter();
    EXPECT_EQ(engine->DriverTarget(), u"Counter-24pin");
    engine->setUsePrinter(QStringLiteral("LPT1"));
    engine->SelectDriverPrinter();
    EXPECT_EQ(engine->DriverTarget(), u"Counter-24pin");
    engine->setUsePrinter(QStringLiteral("Gone"));
    engine->SelectDriverPrinter();
    EXPECT_EQ(engine->DriverTarget(), u"Office-Laser");
}

TEST_F(PrintAtOnceTest, PaperSizeRules) {
    auto engine = makeEngine();
    engine->setPaperSize(TPaperSize::A4);
    engine->setPaperWidth(1000);
    EXPECT_EQ(QSize(engine->PaperWidth(), engine->PaperHeight()), QSize(2100, 2970));
    engine->setPaperSize(TPaperSize::K32BigT);
    EXPECT_EQ(QSize(engine->PaperWidth(), engine->PaperHeight()), QSize(2030, 1400));
    engine->setPaperSize(TPaperSize::Custom);
    EXPECT_EQ(QSize(engine->PaperWidth(), engine->PaperHeight()), QSize(2030, 1400));
    engine->setPaperWidth(1800);
    engine->setPaperHeight(1400);
    EXPECT_EQ(QSize(engine->PaperWidth(), engine->PaperHeight()), QSize(1800, 1400));
    EXPECT_EQ(PaperSizeNames().size(), static_cast<int>(TPaperSize::Custom) + 1);
    EXPECT_EQ(PaperSizeNames().indexOf(QStringLiteral("B5T")), static_cast<int>(TPaperSize::B5T));
    EXPECT_EQ(PaperSizeTenths(TPaperSize::B5T), QSize(2570, 1820));
}

TEST_F(PrintAtOnceTest, BarcodePictureIsSizedToTheSymbol) {
    auto engine = makeEngine();
    engine->RenderBarcodeImage(QStringLiteral("202612110001"), 3, 16, 2, kBlackColour);
    EXPECT_EQ(engine->BarcodeWidth(), 0) << "nothing happens without BarImage";
    QLabel picture;
    engine->setBarImage(&picture);
    engine->setBarImage(nullptr);
    ASSERT_EQ(engine->BarImage(), &picture);
    engine->RenderBarcodeImage(QStringLiteral("202612110001"), 3, 16, 2, kBlackColour);
    const int width = 2 * static_cast<int>(BarcodeModules(Symbology::Code128C, u"202612110001").size());
    EXPECT_EQ(picture.size(), QSize(width, 16));
    EXPECT_EQ(picture.pixmap().size(), QSize(width, 16));
    EXPECT_EQ(engine->BarcodeWidth(), width);
    // Symbology 0 means BarId.
    engine->setBarId(6);
    engine->RenderBarcodeImage(QStringLiteral("1234567"), 0, 16, 1, kBlackColour);
    EXPECT_EQ(picture.width(), 81);
}

TEST_F(PrintAtOnceTest, DrawBarcodeUsesBarIdAndReportsItsBox) {
    auto engine = makeEngine();
    engine->NewPage(1200, 300);
    engine->setBarId(9);
    engine->DrawBarcode(0, 0, 30, 1, kInkColour, QStringLiteral("ATU800301"));
    EXPECT_EQ(engine->BarcodeWidth(),
              static_cast<int>(BarcodeModules(Symbology::Code39, u"ATU800301").size()));
    EXPECT_EQ(engine->LastBox(), QRect(0, 0, engine->BarcodeWidth(), 30));
    EXPECT_EQ(engine->BarcodeHeight(), 30);
}

}  // namespace
