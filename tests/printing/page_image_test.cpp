#include "printing/page_image.h"

#include <gtest/gtest.h>

#include <QSet>

#include "printing/barcode_symbology.h"
#include "tests/support/qt_print.h"

namespace {

QSet<QRgb> coloursIn(const QImage& image, const QRect& area) {
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return colours;
}

int inkPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == kInkColour ? 1 : 0;
    }
    return count;
}

TEST(PageImage, TenthsOfAMillimetreBecomePixelsAt180Dpi) {
    const std::pair<int, int> cases[] = {{0, 0},     {1, 1},      {10, 7},     {100, 71},
                                         {300, 213}, {1200, 850}, {2100, 1488}};
    for (auto [tenths, pixels] : cases)
        EXPECT_EQ(PageImage::PixelsFromTenths(tenths), pixels) << tenths;
}

TEST(PageImage, NewPageIsWhiteAndDrawingWithoutOneStartsADefaultPage) {
    PageImage page;
    page.NewPage(1200, 300);
    EXPECT_EQ(page.Image().size(), QSize(850, 213));
    EXPECT_EQ(coloursIn(page.Image(), page.Image().rect()), QSet<QRgb>{kPaperColour});

    PageImage forText;
    forText.DrawText(0, 0, kInkColour, QStringLiteral("宋体"), QStringLiteral("票"), 0, 9);
    EXPECT_EQ(forText.Image().size(), QSize(1488, 2097));
    PageImage forBarcode;
    forBarcode.DrawBarcode(0, 0, 20, 1, kInkColour, QStringLiteral("1"), Symbology::Code39);
    EXPECT_EQ(forBarcode.Image().size(), QSize(1346, 1842));
}

TEST(PageImage, SongNamesResolveToUMingAndTextHasNoGreys) {
    for (const QString& name : {QStringLiteral("宋体"), QStringLiteral("SimSun"), QString()}) {
        PageImage page;
        page.NewPage(1200, 300);
        page.DrawText(100, 50, kInkColour, name, QStringLiteral("深圳 全票 75元"), 1, 12);
        EXPECT_EQ(page.LastFontFamily(), u"AR PL UMing CN") << name.toStdString();
        const QRect box = page.LastBox();
        EXPECT_EQ(box.topLeft(), QPoint(71, 35));
        EXPECT_GT(box.width(), box.height());
        EXPECT_EQ(coloursIn(page.Image(), page.Image().rect()), (QSet<QRgb>{kPaperColour, kInkColour}));
    }
    PageImage other;
    other.NewPage(1200, 300);
    other.DrawText(0, 0, kInkColour, QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("青禾"), 0, 12);
    EXPECT_EQ(other.LastFontFamily(), u"WenQuanYi Zen Hei");
}

TEST(PageImage, TextSizeIsInPointsOnA96DpiScreen) {
    PageImage page;
    page.NewPage(1200, 300);
    // 12 points at 96 dpi is 16 pixels; the line height follows the font's ascent and descent.
    page.DrawText(0, 0, kInkColour, QStringLiteral("宋体"), QStringLiteral("票票"), 0, 12);
    EXPECT_NEAR(page.LastBox().width(), 32, 1);
    EXPECT_GE(page.LastBox().height(), 16);
}

TEST(PageImage, TextBackgroundIsOpaqueWhite) {
    PageImage page;
    page.NewPage(400, 200);
    page.DrawBox(0, 0, 399, 199, kInkColour);
    const int before = inkPixels(page.Image());
    page.DrawText(0, 0, kInkColour, QStringLiteral("宋体"), QStringLiteral(" "), 0, 12);
    // The blank covers the box's top left corner with white.
    EXPECT_LT(inkPixels(page.Image()), before);
    EXPECT_EQ(page.Image().pixel(0, 0), kPaperColour);
}

TEST(PageImage, TurnedTextIsAnExactQuarterTurnAndSwapsItsBox) {
    const QString text = QStringLiteral("开往深圳");
    PageImage clockwise;
    clockwise.NewPage(1000, 1000);
    clockwise.DrawRotatedText(500, 500, kInkColour, QStringLiteral("宋体"), text, 0, 10, 90);
    const QRect down = clockwise.LastBox();
    PageImage counter;
    counter.NewPage(1000, 1000);
    counter.DrawRotatedText(500, 500, kInkColour, QStringLiteral("宋体"), text, 0, 10, -90);
    const QRect up = counter.LastBox();

    const int x = PageImage::PixelsFromTenths(500);
    EXPECT_GT(down.height(), down.width());
    EXPECT_EQ(down.topLeft(), QPoint(x - down.width(), x));
    EXPECT_EQ(up.topLeft(), QPoint(x, x - up.height()));
    EXPECT_EQ(down.size(), up.size());
    // Reading downwards and reading upwards are a half turn of each other, pixel for pixel.
    const QImage downPixels = clockwise.Image().copy(down);
    EXPECT_EQ(downPixels.transformed(QTransform().rotate(180)), counter.Image().copy(up));
    EXPECT_EQ(coloursIn(clockwise.Image(), down), (QSet<QRgb>{kPaperColour, kInkColour}));
}

TEST(PageImage, BoxIsClippedToTheLastRowAndColumn) {
    PageImage page;
    page.NewPage(100, 100);  // 71 × 71 pixels
    page.DrawBox(500, 500, 10, 10, kInkColour);
    EXPECT_EQ(page.LastBox(), QRect(QPoint(7, 7), QSize(63, 63)));
    for (QPoint corner : {QPoint(7, 7), QPoint(70, 7), QPoint(7, 70), QPoint(70, 70), QPoint(40, 70)}) {
        EXPECT_EQ(page.Image().pixel(corner), kInkColour) << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(page.Image().pixel(40, 40), kPaperColour);
}

TEST(PageImage, PenMasksWhatIsAlreadyThere) {
    PageImage page;
    page.NewPage(100, 100);
    page.DrawBox(10, 10, 90, 90, kBlackColour);
    // Ink AND black stays black: a red line never paints over a black one.
    page.DrawBox(10, 10, 90, 90, kInkColour);
    EXPECT_EQ(page.Image().pixel(7, 7), kBlackColour);
    page.DrawBox(20, 20, 80, 80, kInkColour);
    EXPECT_EQ(page.Image().pixel(14, 14), kInkColour);
}

TEST(PageImage, EllipseLeavesItsInsideAsItWas) {
    PageImage page;
    page.NewPage(200, 200);
    page.DrawBox(90, 90, 110, 110, kInkColour);
    const QImage before = page.Image().copy(60, 60, 20, 20);
    page.DrawEllipse(10, 10, 190, 190, kInkColour);
    EXPECT_EQ(page.Image().copy(60, 60, 20, 20), before);
    EXPECT_EQ(page.LastBox(), QRect(QPoint(7, 7), QSize(128, 128)));
    EXPECT_EQ(page.Image().pixel(7, 71), kInkColour);
}

TEST(PageImage, BarsAreRaisedToNinePixelsButTheBoxKeepsTheHeightAsked) {
    PageImage page;
    page.NewPage(1200, 300);
    page.DrawBarcode(100, 100, 5, 0, kInkColour, QStringLiteral("1234"), Symbology::Code128C);
    const int x = PageImage::PixelsFromTenths(100);
    const int modules = static_cast<int>(BarcodeModules(Symbology::Code128C, u"1234").size());
    EXPECT_EQ(page.LastBox(), QRect(x, x, modules, 5));
    EXPECT_EQ(page.BarcodeWidth(), modules);
    EXPECT_EQ(page.BarcodeHeight(), x + 9);
    // Start C begins with a two-module bar: ink down to the ninth row, paper below.
    EXPECT_EQ(page.Image().pixel(x + 1, x + 8), kInkColour);
    EXPECT_EQ(page.Image().pixel(x + 1, x + 9), kPaperColour);
    EXPECT_EQ(page.Image().pixel(x + 2, x + 4), kPaperColour);
}

TEST(PageImage, ModuleWidthWidensEveryModule) {
    PageImage narrow;
    narrow.NewPage(1200, 300);
    narrow.DrawBarcode(0, 0, 20, 1, kInkColour, QStringLiteral("12345678"), Symbology::Ean8);
    PageImage wide;
    wide.NewPage(1200, 300);
    wide.DrawBarcode(0, 0, 20, 3, kInkColour, QStringLiteral("12345678"), Symbology::Ean8);
    EXPECT_EQ(wide.BarcodeWidth(), 3 * narrow.BarcodeWidth());
    EXPECT_EQ(wide.Image().copy(0, 0, wide.BarcodeWidth(), 20),
              narrow.Image().copy(0, 0, narrow.BarcodeWidth(), 20).scaled(wide.BarcodeWidth(), 20));
}

TEST(PageImage, TurnedClockwiseSwapsWidthAndHeight) {
    PageImage page;
    page.NewPage(300, 100);
    page.DrawBox(0, 0, 10, 10, kInkColour);
    const QImage turned = page.TurnedClockwise();
    EXPECT_EQ(turned.size(), QSize(page.Image().height(), page.Image().width()));
    // The top left corner goes to the top right.
    EXPECT_EQ(turned.pixel(turned.width() - 1, 0), kInkColour);
}

}  // namespace
