// A typical ticket composed and encoded for the 24-pin printer, against the time the printer itself
// needs to print that page at its rated speed.
#include <benchmark/benchmark.h>

#include "bench/printing/thread_cpu_time.h"
#include "printing/escp.h"
#include "printing/page_image.h"

namespace {

// The counter printers' rating: letter quality 100 characters per second at 10 characters per
// inch, which is the head speed of 180-dpi bit images (10 inches per second), and about 50 ms
// per line feed of one band.
constexpr double kHeadInchesPerSecond = 100.0 / 10.0;
constexpr double kBandFeedSeconds = 0.05;

double printerSeconds(const QImage& page) {
    const int bands = page.height() / 24;
    const double lineInches = static_cast<double>(page.width() - 1) / PageImage::kDotsPerInch;
    return bands * (lineInches / kHeadInchesPerSecond + kBandFeedSeconds);
}

// The ticket kit's default page (1200 × 300) with ten texts, one bar code and two boxes.
void composeTicket(PageImage& page) {
    const QString song = QStringLiteral("宋体");
    page.NewPage(1200, 300);
    page.DrawBox(20, 10, 1180, 290, kInkColour);
    page.DrawBox(860, 30, 1160, 270, kInkColour);
    page.DrawText(60, 30, kInkColour, song, QStringLiteral("深圳   全票"), 1, 12);
    page.DrawText(60, 80, kInkColour, song, QStringLiteral("8003 深圳班"), 0, 10);
    page.DrawText(460, 80, kInkColour, song, QStringLiteral("座号 01"), 0, 10);
    page.DrawText(60, 120, kInkColour, song, QStringLiteral("2008-01-21 12:30"), 0, 10);
    page.DrawText(460, 120, kInkColour, song, QStringLiteral("75元"), 1, 12);
    page.DrawText(60, 160, kInkColour, song, QStringLiteral("豪华大巴"), 0, 10);
    page.DrawText(460, 160, kInkColour, song, QStringLiteral("2号检票口"), 0, 10);
    page.DrawText(60, 200, kInkColour, song, QStringLiteral("NO.46568843"), 0, 9);
    page.DrawText(460, 200, kInkColour, song, QStringLiteral("01-20 12:50.23"), 0, 9);
    page.DrawText(60, 240, kInkColour, song, QStringLiteral("青禾汽车站 售票员 0000"), 0, 9);
    page.DrawBarcode(880, 60, 40, 1, kInkColour, QStringLiteral("ATU800301"), Symbology::Code39);
}

void BM_TicketRenderAndEncode24Pin(benchmark::State& state) {
    PageImage page;
    QByteArray stream;
    const double start = ThreadCpuSeconds();
    for (auto _ : state) {
        composeTicket(page);
        stream = EscpPage24Pin(page.Image(), kInkColour);
        benchmark::DoNotOptimize(stream.data());
    }
    const double elapsed = ThreadCpuSeconds() - start;
    const double engineSeconds = elapsed / static_cast<double>(state.iterations());
    const double printer = printerSeconds(page.Image());
    state.counters["printer_ms"] = printer * 1000;
    state.counters["engine_ms"] = engineSeconds * 1000;
    state.counters["printer_over_engine"] = printer / engineSeconds;
    state.counters["stream_bytes"] = static_cast<double>(stream.size());
}
BENCHMARK(BM_TicketRenderAndEncode24Pin)->Unit(benchmark::kMillisecond);

void BM_TicketEncode24PinOnly(benchmark::State& state) {
    PageImage page;
    composeTicket(page);
    for (auto _ : state) {
        const QByteArray stream = EscpPage24Pin(page.Image(), kInkColour);
        benchmark::DoNotOptimize(stream.data());
    }
}
BENCHMARK(BM_TicketEncode24PinOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
