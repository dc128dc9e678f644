#include "printing/tickets_print_command.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "printing/escp.h"
#include "printing/page_image.h"
#include "printing/page_item.h"
#include "printing/print_at_once.h"
#include "shell/settings.h"
#include "tests/printing/fake_print_services.h"
#include "tests/support/qt_print.h"

namespace {

struct ToolRun {
    int status;
    QString errors;
};

ToolRun ticketsPrint(const QStringList& arguments) {
    QString errors;
    QTextStream stream(&errors);
    const int status = RunTicketsPrint(arguments, stream);
    stream.flush();
    return {status, errors};
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QStringList kTicketItems{
    QStringLiteral("--item"), QStringLiteral("STR 100 20 12 1 深圳   全票"),
    QStringLiteral("--item"), QStringLiteral("BAR 100 120 2 30 3 202612110001"),
    QStringLiteral("--item"), QStringLiteral("BOX 50 10 1150 290"),
    QStringLiteral("--item"), QStringLiteral("S90 1100 20 8 0 青禾"),
};

// The same page composed through the engine, drawn in the given colour.
QImage expectedTicket(QRgb colour) {
    FakePrinterSystem printers;
    PrintAtOnceServices services;
    services.printers = &printers;
    services.notices = [](int, const QString&) {};
    TPrintAtOnce engine(nullptr, std::move(services));
    engine.NewPage(1200, 300);
    for (int i = 1; i < kTicketItems.size(); i += 2) {
        QString error;
        DrawPageItem(engine, *ParsePageItem(kTicketItems.at(i), error), colour);
    }
    return engine.PageImage();
}

TEST(TicketsPrint, PageToEscp24IsTheEncodedTicket) {
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("out.bin"));
    const ToolRun run = ticketsPrint(QStringList{"page", "--width", "1200", "--height", "300"} +
                                     kTicketItems + QStringList{"--escp24", out});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    const QByteArray bytes = fileBytes(out);
    EXPECT_EQ(bytes, EscpPage24Pin(expectedTicket(kInkColour), kInkColour));
    EXPECT_TRUE(bytes.contains(QByteArray("\x1b*\x27\x51\x03", 5)));  // 849 columns per band
}

TEST(TicketsPrint, PageToPngAndNinePinFiles) {
    QTemporaryDir folder;
    const QStringList page = QStringList{"page", "--width", "1200", "--height", "300"} + kTicketItems;
    const QString png = folder.filePath(QStringLiteral("ticket.png"));
    ASSERT_EQ(ticketsPrint(page + QStringList{"--png", png}).status, 0);
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), expectedTicket(kBlackColour));
    const QString fine = folder.filePath(QStringLiteral("fine.bin"));
    ASSERT_EQ(ticketsPrint(page + QStringList{"--escp9fine", fine}).status, 0);
    EXPECT_EQ(fileBytes(fine), EscpPage9PinFine(expectedTicket(kInkColour), kInkColour));
}

TEST(TicketsPrint, PortOutputGoesToTheMappedDevice) {
    QTemporaryDir folder;
    const QString ini = folder.filePath(QStringLiteral("Tickets.conf"));
    const QString device = folder.filePath(QStringLiteral("lp0"));
    Settings(ini).setLocalValue(OutputTargets::PortSettingKey(QStringLiteral("LPT1")), device);
    const ToolRun run = ticketsPrint(QStringList{"page", "--width", "1200", "--height", "300"} +
                                     kTicketItems + QStringList{"--port", "lpt1", "--settings", ini});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    EXPECT_EQ(fileBytes(device), EscpPage24Pin(expectedTicket(kInkColour), kInkColour));
}

TEST(TicketsPrint, BarcodePngIsTheSymbolItself) {
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("code.png"));
    const ToolRun run = ticketsPrint(
        {"barcode", "--type", "6", "--data", "1234567", "--module", "3", "--height", "40", "--png", png});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    EXPECT_EQ(QImage(png).size(), QSize(81 * 3, 40));
}

TEST(TicketsPrint, BadArgumentsSayWhatIsWrong) {
    const std::pair<QStringList, const char*> cases[] = {
        {{}, "no command"},
        {{"print"}, "unknown command \"print\""},
        {{"barcode", "--type", "8", "--data", "1", "--png", "/tmp/x.png"}, "--type must be 1 to 7"},
        {{"barcode", "--type", "3", "--png", "/tmp/x.png"}, "--data is required"},
        {{"barcode", "--type", "3", "--data", "1", "--module", "wide", "--png", "/tmp/x.png"},
         "--module must be"},
        {{"page", "--height", "300", "--png", "/tmp/x.png"}, "--width is required"},
        {{"page", "--width", "1200", "--height", "300"}, "give exactly one output"},
        {{"page", "--width", "1200", "--height", "300", "--png", "/tmp/a.png", "--escp24", "/tmp/b"},
         "give exactly one output"},
        {{"page", "--width", "1200", "--height", "300", "--item", "TXT 1 2 3", "--png", "/tmp/x.png"},
         "the kind must"},
        {{"page", "--width", "1200", "--height", "300", "--item", "BAR 1 2 3 4 9 12", "--png", "/tmp/x.png"},
         "type must be 1 to 7"},
        {{"page", "--width", "1200", "--height", "300", "--item", "STR 1 2 x 0 text", "--png", "/tmp/x.png"},
         "\"x\" is not a whole number"},
        {{"page", "--width", "1200", "--height", "300", "--item", "BOX 1 2 3", "--png", "/tmp/x.png"},
         "BOX takes 4 numbers"},
        {{"page", "--width", "1200", "--height", "300", "--port", "LPT9"}, "--port must be one of"},
        {{"page", "--width", "1200", "--height", "300", "--printer", "NoSuchPrinter"},
         "not an installed printer"},
        {{"page", "--width", "1200", "--height", "300", "--colour", "red", "--png", "/tmp/x.png"},
         "Unknown option"},
    };
    for (const auto& [arguments, message] : cases) {
        const ToolRun run = ticketsPrint(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.errors.contains(QString::fromUtf8(message))) << run.errors.toStdString();
    }
}

TEST(TicketsPrint, UnwritableOutputFails) {
    const ToolRun run =
        ticketsPrint({"page", "--width", "100", "--height", "100", "--escp24", "/nonexistent/dir/out.bin"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.errors.contains(u"/nonexistent/dir/out.bin")) << run.errors.toStdString();
}

TEST(PageItem, TextKeepsItsBlanks) {
    QString error;
    const auto item = ParsePageItem(QStringLiteral("str 10 20 12 1 深圳   全票 75元"), error);
    ASSERT_TRUE(item) << error.toStdString();
    EXPECT_EQ(item->kind, PageItem::Kind::Text);
    EXPECT_EQ(item->text, u"深圳   全票 75元");
    EXPECT_EQ(item->first, 12);
    EXPECT_EQ(item->second, 1);
}

}  // namespace
