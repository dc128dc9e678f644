#include "printing/paper_size.h"

#include <array>

namespace {

struct Sheet {
    int width;
    int height;
};

// Upright sheets; the turned variant follows each in the enumeration.
constexpr std::array<Sheet, 8> kSheets = {{{2970, 4200},
                                           {2100, 2970},
                                           {1480, 2100},
                                           {2500, 3540},
                                           {1820, 2570},
                                           {1840, 2600},
                                           {1300, 1840},
                                           {1400, 2030}}};

}  // namespace

const QStringList& PaperSizeNames() {
    static const QStringList names{
        QStringLiteral("Default"), QStringLiteral("A3"),    QStringLiteral("A3T"),  QStringLiteral("A4"),
        QStringLiteral("A4T"),     QStringLiteral("A5"),    QStringLiteral("A5T"),  QStringLiteral("B4"),
        QStringLiteral("B4T"),     QStringLiteral("B5"),    QStringLiteral("B5T"),  QStringLiteral("K16"),
        QStringLiteral("K16T"),    QStringLiteral("K32"),   QStringLiteral("K32T"), QStringLiteral("K32Big"),
        QStringLiteral("K32BigT"), QStringLiteral("Custom")};
    return names;
}

QSize PaperSizeTenths(TPaperSize paper) {
    const int index = static_cast<int>(paper);
    if (paper == TPaperSize::Default || paper == TPaperSize::Custom)
        return {};
    const Sheet sheet = kSheets[static_cast<size_t>((index - 1) / 2)];
    const bool turned = (index - 1) % 2 == 1;
    return turned ? QSize(sheet.height, sheet.width) : QSize(sheet.width, sheet.height);
}
