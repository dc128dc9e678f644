#include "printing/tickets_print_command.h"

#include <QCommandLineParser>
#include <QFile>
#include <memory>
#include <optional>
#include <vector>

#include "printing/barcode_drawing.h"
#include "printing/escp.h"
#include "printing/page_item.h"
#include "printing/print_at_once.h"
#include "shell/settings.h"

namespace {

constexpr int kDone = 0;
constexpr int kOutputFailed = 1;
constexpr int kBadArguments = 2;

const QString kUsage = QStringLiteral(
    "usage: tickets-print barcode --type N --data TEXT [--module W] [--height H] --png FILE\n"
    "       tickets-print page --width W --height H [--font NAME] --item \"KIND ...\" ...\n"
    "           (--png FILE | --escp24 FILE | --escp9fine FILE | --escp9fast FILE | --pdf FILE\n"
    "            | --printer NAME | --port LPT1..COM3 [--settings FILE])\n"
    "items: STR x y size style text | S90 x y size style text | S90F x y size style text\n"
    "       BAR x y module height type data | BOX x1 y1 x2 y2 | ELL x1 y1 x2 y2\n"
    "positions and page size in tenths of a millimetre; bar-code types 1 Code 39, 2 Interleaved 2 of 5,\n"
    "3 Code 128 C, 4 Codabar, 5 EAN-13, 6 EAN-8, 7 UPC-A\n"
    "--printer and --port send the page as 24-pin ESC/P; --pdf prints it through the driver path;\n"
    "ports map to device files with PrinterPorts/LPT1 ... in the workstation settings (or --settings)\n");

const QStringList kPageOutputs{QStringLiteral("png"),       QStringLiteral("escp24"),
                               QStringLiteral("escp9fine"), QStringLiteral("escp9fast"),
                               QStringLiteral("pdf"),       QStringLiteral("printer"),
                               QStringLiteral("port")};

class Invocation {
  public:
    explicit Invocation(QTextStream& errors) : errors_(errors) {
        for (const char* name : {"type", "data", "module", "height", "png", "width", "font", "item", "escp24",
                                 "escp9fine", "escp9fast", "pdf", "printer", "port", "settings"}) {
            parser_.addOption(
                QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
        }
        parser_.addPositionalArgument(QStringLiteral("command"), QString());
    }

    int run(const QStringList& arguments) {
        if (!parser_.parse(QStringList{QStringLiteral("tickets-print")} + arguments))
            return bad(parser_.errorText());
        const QStringList commands = parser_.positionalArguments();
        if (commands == QStringList{QStringLiteral("barcode")})
            return barcode();
        if (commands == QStringList{QStringLiteral("page")})
            return page();
        return bad(commands.isEmpty() ? QStringLiteral("no command given")
                                      : QStringLiteral("unknown command \"%1\"").arg(commands.join(u' ')));
    }

  private:
    int bad(const QString& message) {
        errors_ << "tickets-print: " << message << "\n" << kUsage;
        return kBadArguments;
    }

    int failed(const QString& message) {
        errors_ << "tickets-print: " << message << "\n";
        return kOutputFailed;
    }

    // A whole number option; `fallback` when absent and allowed to be.
    std::optional<int> number(const char* name, std::optional<int> fallback, int minimum) {
        const QString option = QString::fromLatin1(name);
        if (!parser_.isSet(option)) {
            if (!fallback)
                problem_ = QStringLiteral("--%1 is required").arg(option);
            return fallback;
        }
        bool ok = false;
        const int value = parser_.value(option).toInt(&ok);
        if (!ok || value < minimum) {
            problem_ = QStringLiteral("--%1 must be a whole number of at least %2, not \"%3\"")
                           .arg(option)
                           .arg(minimum)
                           .arg(parser_.value(option));
            return std::nullopt;
        }
        return value;
    }

    int barcode() {
        const std::optional<int> type = number("type", std::nullopt, 1);
        const std::optional<int> module = number("module", 2, 1);
        const std::optional<int> height = number("height", 60, 1);
        if (!type || !module || !height)
            return bad(problem_);
        if (*type > 7)
            return bad(QStringLiteral("--type must be 1 to 7"));
        if (!parser_.isSet(QStringLiteral("data")))
            return bad(QStringLiteral("--data is required"));
        if (!parser_.isSet(QStringLiteral("png")))
            return bad(QStringLiteral("--png is required"));
        const QImage symbol = RenderBarcode(SymbologyFromBarId(*type), parser_.value(QStringLiteral("data")),
                                            *height, *module, kBlackColour);
        return savePng(symbol, parser_.value(QStringLiteral("png")));
    }

    int savePng(const QImage& image, const QString& file) {
        return image.save(file, "PNG") ? kDone
                                       : failed(QStringLiteral("cannot write the picture %1").arg(file));
    }

    std::optional<QString> chosenOutput() {
        QStringList chosen;
        for (const QString& output : kPageOutputs) {
            if (parser_.isSet(output))
                chosen << output;
        }
        if (chosen.size() != 1) {
            problem_ = QStringLiteral("give exactly one output of --%1")
                           .arg(kPageOutputs.join(QStringLiteral(", --")));
            return std::nullopt;
        }
        return chosen.first();
    }

    int page() {
        const std::optional<int> width = number("width", std::nullopt, 1);
        const std::optional<int> height = number("height", std::nullopt, 1);
        if (!width || !height)
            return bad(problem_);
        const std::optional<QString> output = chosenOutput();
        if (!output)
            return bad(problem_);
        std::vector<PageItem> items;
        for (const QString& spec : parser_.values(QStringLiteral("item"))) {
            QString error;
            const std::optional<PageItem> item = ParsePageItem(spec, error);
            if (!item)
                return bad(error);
            items.push_back(*item);
        }
        std::unique_ptr<Settings> settings;
        if (parser_.isSet(QStringLiteral("settings"))) {
            settings = std::make_unique<Settings>(parser_.value(QStringLiteral("settings")));
        } else if (*output == u"port") {
            settings = std::make_unique<Settings>();
        }
        bool outputFailed = false;
        PrintAtOnceServices services;
        services.settings = settings.get();
        services.notices = [this, &outputFailed](int, const QString& text) {
            outputFailed = true;
            errors_ << "tickets-print: " << text << "\n";
        };
        TPrintAtOnce engine(nullptr, std::move(services));
        if (parser_.isSet(QStringLiteral("font")))
            engine.setFontName(parser_.value(QStringLiteral("font")));
        const bool toDriver = *output == u"png" || *output == u"pdf";
        engine.NewPage(*width, *height);
        for (const PageItem& item : items)
            DrawPageItem(engine, item, toDriver ? kBlackColour : kInkColour);
        const QString target = parser_.value(*output);
        if (*output == u"png")
            return savePng(engine.PageImage(), target);
        if (*output == u"pdf")
            return printPdf(engine, target, *width, *height, outputFailed);
        if (*output == u"printer" || *output == u"port")
            return printRaw(engine, *output, target, outputFailed);
        return writeEscp(engine.PageImage(), *output, target);
    }

    int printPdf(TPrintAtOnce& engine, const QString& file, int width, int height, const bool& outputFailed) {
        if (!file.startsWith(u'/'))
            return bad(QStringLiteral("--pdf needs an absolute path"));
        engine.setUsePrinter(file);
        engine.SelectDriverPrinter();
        engine.setPaperSize(TPaperSize::Custom);
        engine.setPaperWidth(width);
        engine.setPaperHeight(height);
        engine.PrintPageByDriver();
        return outputFailed ? kOutputFailed : kDone;
    }

    int printRaw(TPrintAtOnce& engine, const QString& output, const QString& target,
                 const bool& outputFailed) {
        if (output == u"printer" && !engine.DriverPrinters().contains(target)) {
            return bad(QStringLiteral("\"%1\" is not an installed printer (installed: %2)")
                           .arg(target, engine.DriverPrinters().join(QStringLiteral(", "))));
        }
        if (output == u"port" && !TPrintAtOnce::Ports().contains(target, Qt::CaseInsensitive)) {
            return bad(QStringLiteral("--port must be one of %1")
                           .arg(TPrintAtOnce::Ports().join(QStringLiteral(", "))));
        }
        engine.setUsePrinter(output == u"port" ? target.toUpper() : target);
        engine.SendPage24Pin();
        engine.FlushRaw();
        return outputFailed ? kOutputFailed : kDone;
    }

    int writeEscp(const QImage& page, const QString& output, const QString& file) {
        const QByteArray bytes = output == u"escp24"      ? EscpPage24Pin(page, kInkColour)
                                 : output == u"escp9fine" ? EscpPage9PinFine(page, kInkColour)
                                                          : EscpPage9PinFast(page, kInkColour);
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
            return failed(QStringLiteral("cannot write %1: %2").arg(file, out.errorString()));
        }
        return kDone;
    }

    QTextStream& errors_;
    QCommandLineParser parser_;
    QString problem_;
};

}  // namespace

int RunTicketsPrint(const QStringList& arguments, QTextStream& errors) {
    return Invocation(errors).run(arguments);
}
