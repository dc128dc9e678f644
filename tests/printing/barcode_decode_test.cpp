// Renders each symbology at module width 2 and reads it back with zbarimg, the way a gate scanner
// would read a printed ticket.
#include <gtest/gtest.h>

#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include "printing/barcode_drawing.h"
#include "printing/page_image.h"
#include "tests/support/qt_print.h"

namespace {

// White paper around the symbol, as on a ticket; the symbologies without quiet zones need it.
constexpr int kPaperMargin = 40;

QString decodeWithZbar(const QImage& symbol) {
    QImage paper(symbol.width() + 2 * kPaperMargin, symbol.height() + 2 * kPaperMargin, QImage::Format_RGB32);
    paper.fill(kPaperColour);
    QPainter(&paper).drawImage(kPaperMargin, kPaperMargin, symbol);
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("symbol.png"));
    if (!paper.save(png))
        return QStringLiteral("<cannot write %1>").arg(png);
    QProcess zbar;
    zbar.start(QStringLiteral(ZBARIMG_PROGRAM), {QStringLiteral("--raw"), QStringLiteral("-q"), png});
    if (!zbar.waitForFinished(30000))
        return QStringLiteral("<zbarimg did not run: %1>").arg(zbar.errorString());
    return QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
}

struct DecodeCase {
    Symbology symbology;
    const char16_t* text;
    const char16_t* decoded;
};

class DecodeWithZbar : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeWithZbar, ReadsBackWhatWasEncoded) {
    const DecodeCase& c = GetParam();
    const QImage symbol = RenderBarcode(c.symbology, QString::fromUtf16(c.text), 60, 2, kBlackColour);
    EXPECT_EQ(decodeWithZbar(symbol), QString::fromUtf16(c.decoded));
}

INSTANTIATE_TEST_SUITE_P(
    Barcode, DecodeWithZbar,
    testing::Values(
        // The nine-character bar-code form of a ticket number, and every Code 39 character.
        DecodeCase{Symbology::Code39, u"atu800301", u"ATU800301"},
        DecodeCase{Symbology::Code39, u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%",
                   u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%"},
        DecodeCase{Symbology::Interleaved2of5, u"0123456789", u"0123456789"},
        DecodeCase{Symbology::Interleaved2of5, u"ABC", u"12345678"},
        DecodeCase{Symbology::Code128C, u"202612110001", u"202612110001"},
        DecodeCase{Symbology::Code128C, u"123", u"0123"},
        DecodeCase{Symbology::Codabar, u"0123456789-$:/.+", u"A0123456789-$:/.+A"},
        DecodeCase{Symbology::Ean13, u"123", u"1230000000000"},
        DecodeCase{Symbology::Ean13, u"4006381333931", u"4006381333931"},
        DecodeCase{Symbology::Ean13, u"501234567890", u"5012345678900"},
        DecodeCase{Symbology::Ean8, u"1234567", u"12345670"},
        DecodeCase{Symbology::UpcA, u"03600029145", u"0036000291452"}));

// Every Code 128 symbol value, and every EAN first digit (each selects its own L/G parity).
TEST(DecodeWithZbar, EveryCode128ValueAndEveryEanParityReadsBack) {
    QString allPairs;
    for (int value = 0; value < 100; ++value)
        allPairs += QString::number(value).rightJustified(2, u'0');
    EXPECT_EQ(decodeWithZbar(RenderBarcode(Symbology::Code128C, allPairs, 60, 2, kBlackColour)), allPairs);
    for (int first = 0; first <= 9; ++first) {
        const QString text = QString::number(first) + QStringLiteral("98765432109");
        EXPECT_EQ(decodeWithZbar(RenderBarcode(Symbology::Ean13, text, 60, 2, kBlackColour)),
                  EncodedText(Symbology::Ean13, text))
            << first;
    }
}

}  // namespace
