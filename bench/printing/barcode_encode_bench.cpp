// Bar-code encoding throughput of our module strings against libzint on the same data, timed in
// the same run. Both produce the symbol's modules only; neither draws.
#include <benchmark/benchmark.h>
#include <zint.h>

#include <QString>
#include <string>

#include "bench/printing/thread_cpu_time.h"
#include "printing/barcode_symbology.h"

namespace {

struct Case {
    Symbology ours;
    int zintSymbology;
    const char* ourText;
    // libzint wants Codabar's start and stop in the data and UPC-A without our leading zero.
    const char* zintText;
};

constexpr Case kCases[] = {
    {Symbology::Code39, BARCODE_CODE39, "ATU800301", "ATU800301"},
    {Symbology::Interleaved2of5, BARCODE_C25INTER, "202612110001", "202612110001"},
    {Symbology::Code128C, BARCODE_CODE128, "202612110001", "202612110001"},
    {Symbology::Codabar, BARCODE_CODABAR, "202612110001", "A202612110001A"},
    {Symbology::Ean13, BARCODE_EANX, "202612110001", "202612110001"},
    {Symbology::Ean8, BARCODE_EANX, "2026121", "2026121"},
    {Symbology::UpcA, BARCODE_UPCA, "20261211000", "20261211000"},
};

double zintSecondsPerSymbol(const Case& c, benchmark::IterationCount iterations) {
    zint_symbol* symbol = ZBarcode_Create();
    const std::string data(c.zintText);
    const double start = ThreadCpuSeconds();
    for (benchmark::IterationCount i = 0; i < iterations; ++i) {
        ZBarcode_Clear(symbol);
        symbol->symbology = c.zintSymbology;
        const int status = ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char*>(data.data()),
                                           static_cast<int>(data.size()));
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(symbol->width);
    }
    const double elapsed = ThreadCpuSeconds() - start;
    ZBarcode_Delete(symbol);
    return elapsed / static_cast<double>(iterations);
}

void BM_BarcodeOursAgainstZint(benchmark::State& state) {
    const Case& c = kCases[state.range(0)];
    const QString text = QString::fromLatin1(c.ourText);
    const double start = ThreadCpuSeconds();
    for (auto _ : state) {
        const std::string modules = BarcodeModules(c.ours, text);
        benchmark::DoNotOptimize(modules.data());
    }
    const double elapsed = ThreadCpuSeconds() - start;
    const double ours = elapsed / static_cast<double>(state.iterations());
    const double zint = zintSecondsPerSymbol(c, state.iterations());
    state.SetLabel(QStringLiteral("%1 %2")
                       .arg(static_cast<int>(c.ours))
                       .arg(QString::fromLatin1(c.ourText))
                       .toStdString());
    state.counters["ours_ns"] = ours * 1e9;
    state.counters["zint_ns"] = zint * 1e9;
    state.counters["zint_over_ours"] = zint / ours;
}
BENCHMARK(BM_BarcodeOursAgainstZint)->DenseRange(0, static_cast<int>(std::size(kCases)) - 1);

}  // namespace
