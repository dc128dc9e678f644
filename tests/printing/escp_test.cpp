#include "printing/escp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "printing/page_image.h"
#include "tests/printing/escp_printer_simulation.h"

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

QImage blankPage(int width, int height) {
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(kPaperColour);
    return page;
}

QImage pageWithDots(int width, int height, std::initializer_list<QPoint> dots) {
    QImage page = blankPage(width, height);
    for (QPoint dot : dots)
        page.setPixel(dot, kInkColour);
    return page;
}

const QByteArray kCr(1, '\r');

TEST(EscpFeedPaper, SplitsIntoStepsOf255) {
    EXPECT_EQ(EscpFeedPaper(300), bytes({27, 'J', 45, 27, 'J', 255}));
    EXPECT_EQ(EscpFeedPaper(-10), bytes({27, 'j', 10}));
    EXPECT_EQ(EscpFeedPaper(0), QByteArray());
    EXPECT_EQ(EscpFeedPaper(24), bytes({27, 'J', 24}));
    // 65000 at most: 65000 = 254 × 255 + 230.
    const QByteArray longest = EscpFeedPaper(70000);
    EXPECT_EQ(longest.size(), 3 * 255);
    EXPECT_EQ(longest.left(3), bytes({27, 'J', 230}));
    EXPECT_EQ(longest.right(3), bytes({27, 'J', 255}));
}

TEST(EscpUnidirectional, IsEscUWithOneOrZero) {
    EXPECT_EQ(EscpUnidirectional(true), bytes({27, 'U', 1}));
    EXPECT_EQ(EscpUnidirectional(false), bytes({27, 'U', 0}));
}

TEST(Escp24Pin, PageLowerThanOneBandSendsOnlyTheCarriageReturn) {
    EXPECT_EQ(EscpPage24Pin(pageWithDots(10, 23, {{1, 1}}), kInkColour), kCr);
}

TEST(Escp24Pin, SingleDotIsTheTopBitOfItsColumn) {
    // Row 1, column 1 is the first data byte's bit 7; the page is exactly one band (rows 1-24 of a
    // 25-row page), so the last-band feed is 25 mod 24 = 1.
    const QByteArray expected =
        kCr + bytes({27, '*', 39, 2, 0}) + bytes({0x80, 0, 0, 0, 0, 0}) + kCr + bytes({27, 'J', 1});
    EXPECT_EQ(EscpPage24Pin(pageWithDots(3, 25, {{1, 1}}), kInkColour), expected);
}

TEST(Escp24Pin, RowZeroAndColumnZeroAreNeverSent) {
    EXPECT_EQ(EscpPage24Pin(pageWithDots(3, 25, {{0, 5}, {2, 0}}), kInkColour), kCr + bytes({27, 'J', 1}));
}

TEST(Escp24Pin, RowsPastTheBottomOfTheImageReadAsBlank) {
    // 48 rows: band 2 covers rows 25-48, and row 48 lies past the bottom. The image is a view on
    // a buffer whose next row is all ink, so reading past the bottom would print it.
    constexpr int kWidth = 2;
    constexpr int kHeight = 48;
    std::vector<QRgb> pixels(kWidth * (kHeight + 1), kPaperColour);
    std::fill(pixels.end() - kWidth, pixels.end(), kInkColour);
    pixels[kWidth * 47 + 1] = kInkColour;
    const QImage page(reinterpret_cast<const uchar*>(pixels.data()), kWidth, kHeight, kWidth * 4,
                      QImage::Format_RGB32);
    const QByteArray expected =
        kCr + bytes({27, 'J', 24}) + bytes({27, '*', 39, 1, 0}) + bytes({0, 0, 0x02}) + kCr;
    EXPECT_EQ(EscpPage24Pin(page, kInkColour), expected);
}

TEST(Escp24Pin, BlankBandsStillFeedTheirPaper) {
    // Three bands, only the third holds a dot: the first two send no graphics but keep their feed,
    // so the page keeps its length.
    const QByteArray expected = kCr + bytes({27, 'J', 24}) + bytes({27, 'J', 24}) +
                                bytes({27, '*', 39, 1, 0}) + bytes({0x80, 0, 0}) + kCr + bytes({27, 'J', 2});
    EXPECT_EQ(EscpPage24Pin(pageWithDots(2, 74, {{1, 49}}), kInkColour), expected);
}

TEST(Escp24Pin, ColumnCountIsSplitIntoLowAndHighByte) {
    const QByteArray out = EscpPage24Pin(pageWithDots(300, 24, {{299, 24 - 1}}), kInkColour);
    ASSERT_EQ(out.size(), 1 + 5 + 299 * 3 + 1);
    EXPECT_EQ(out.mid(1, 5), bytes({27, '*', 39, 299 % 256, 299 / 256}));
    // Row 23 is the 23rd row of band 1 (rows 1-24): third byte, bit value 0x02.
    EXPECT_EQ(out.mid(1 + 5 + 298 * 3, 3), bytes({0, 0, 0x02}));
}

TEST(Escp24Pin, OnlyTheInkColourPrints) {
    QImage page = pageWithDots(2, 24, {{1, 2}});
    page.setPixel(1, 1, kBlackColour);
    page.setPixel(1, 3, qRgb(254, 0, 0));
    EXPECT_EQ(EscpPage24Pin(page, kInkColour).mid(6, 3), bytes({0x40, 0, 0}));
}

TEST(Escp24Pin, TicketWithBlankBandsPrintsAsThePage) {
    // Text at the top, a bar code at the bottom and blank bands between them.
    PageImage ticket;
    ticket.NewPage(1200, 600);
    ticket.DrawText(60, 20, kInkColour, QStringLiteral("宋体"), QStringLiteral("深圳   全票 75元"), 1, 12);
    ticket.DrawBarcode(60, 480, 40, 2, kInkColour, QStringLiteral("ATU800301"), Symbology::Code39);
    const QImage& page = ticket.Image();
    const int bands = page.height() / 24;

    EscpPrinterSimulation printer;
    ASSERT_EQ(printer.print(EscpPage24Pin(page, kInkColour)), QString());
    QSet<QPoint> expected;
    for (int y = 1; y <= bands * 24 && y < page.height(); ++y) {
        for (int x = 1; x < page.width(); ++x) {
            if (page.pixel(x, y) == kInkColour)
                expected.insert({x - 1, y - 1});
        }
    }
    EXPECT_EQ(printer.dots(), expected);
    EXPECT_EQ(printer.paperFed(), 24 * (bands - 1) + page.height() % 24);
}

TEST(Escp9PinFine, OddRowsFeedOneThenEvenRows) {
    // Row 1 is the odd pass's top bit, row 16 the even pass's bottom bit.
    const QByteArray expected = kCr + bytes({27, '*', 1, 1, 0, 0x80}) + kCr + bytes({27, 'J', 1}) +
                                bytes({27, '*', 1, 1, 0, 0x01}) + kCr;
    EXPECT_EQ(EscpPage9PinFine(pageWithDots(2, 17, {{1, 1}, {1, 16}}), kInkColour),
              expected + bytes({27, 'J', 1}));
}

TEST(Escp9PinFine, BlankBandsAreSentAndBandsFeedFifteen) {
    const QByteArray blankBand =
        bytes({27, '*', 1, 1, 0, 0}) + kCr + bytes({27, 'J', 1}) + bytes({27, '*', 1, 1, 0, 0}) + kCr;
    EXPECT_EQ(EscpPage9PinFine(blankPage(2, 32), kInkColour),
              kCr + blankBand + bytes({27, 'J', 15}) + blankBand);
}

TEST(Escp9PinFast, UpperHalfFeedSixteenLowerHalf) {
    const QByteArray upper = bytes({27, '*', 1, 1, 0, 0}) + kCr;
    const QByteArray lower = bytes({27, '*', 1, 1, 0, 0x80}) + kCr;
    const QByteArray feed16 = bytes({27, 'J', 16});
    const QByteArray blankBand = upper + feed16 + upper;
    // Row 9 opens the second pass of band 1; 40 rows give two bands and a last feed of 8.
    EXPECT_EQ(EscpPage9PinFast(pageWithDots(2, 40, {{1, 9}}), kInkColour),
              kCr + upper + feed16 + lower + feed16 + blankBand + bytes({27, 'J', 8}));
}

TEST(EscpPinTest, TestsEachPinOnItsOwnLine) {
    const QByteArray wide = EscpPinTest(24);
    EXPECT_TRUE(wide.startsWith("Detect Print Star ...\n\r\n\r"));
    EXPECT_TRUE(wide.endsWith("Print end. Good Luck!\n\r\n\r"));
    const qsizetype pin9 = wide.indexOf("Current is 9 P:|");
    ASSERT_GE(pin9, 0);
    const QByteArray graphics = wide.mid(pin9 + 16, 5 + 170 * 3 + 5);
    EXPECT_EQ(graphics.left(5), bytes({27, '*', 39, 170, 0}));
    EXPECT_EQ(graphics.mid(5, 3), bytes({0, 0x80, 0}));
    EXPECT_EQ(graphics.right(5), QByteArray("|\n\r\n\r"));
    EXPECT_TRUE(wide.contains("Current is 24 P:|"));

    const QByteArray narrow = EscpPinTest(8);
    EXPECT_FALSE(narrow.contains("Current is 9 P:|"));
    const qsizetype pin8 = narrow.indexOf("Current is 8 P:|");
    ASSERT_GE(pin8, 0);
    EXPECT_EQ(narrow.mid(pin8 + 16, 7), bytes({27, '*', 1, 120, 0, 0x01, 0x01}));
}

}  // namespace
