#include "printing/page_image.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTransform>
#include <algorithm>

#include "printing/barcode_drawing.h"
#include "printing/song_font.h"

namespace {

// Sizes of the page that a drawing operation creates when none has been started.
constexpr int kTextPageWidth = 2100;
constexpr int kTextPageHeight = 2960;
constexpr int kTurnedPageWidth = 1900;
constexpr int kTurnedPageHeight = 2600;

// Point sizes are applied at the screen's 96 pixels per inch, rounded like the platform does.
int pixelsFromPoints(int points) {
    return (points * 96 + (points >= 0 ? 36 : -36)) / 72;
}

struct TextStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

TextStyle uprightStyle(int style) {
    if (style < 0 || style > 7)
        return {true, true, true};
    return {(style & 1) != 0, (style & 2) != 0, (style & 4) != 0};
}

TextStyle turnedStyle(int style) {
    const bool italic = style == 2 || style == 3 || style == 6 || style == 7;
    return {false, italic, style >= 4 && style <= 7};
}

QImage renderUpright(const QFont& font, const QString& text, QRgb colour) {
    const QFontMetrics metrics(font);
    QImage upright(std::max(metrics.horizontalAdvance(text), 1), std::max(metrics.height(), 1),
                   QImage::Format_RGB32);
    upright.fill(kPaperColour);
    QPainter painter(&upright);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(colour));
    painter.drawText(0, metrics.ascent(), text);
    return upright;
}

void useMaskPen(QPainter& painter, QRgb colour) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.setPen(QPen(QColor::fromRgb(colour), 0));
    painter.setBrush(QColor::fromRgb(kPaperColour));
}

}  // namespace

int PageImage::PixelsFromTenths(int tenths) {
    return static_cast<int>(tenths * 0.7086 + 0.5);
}

void PageImage::NewPage(int widthTenths, int heightTenths) {
    image_ = QImage(std::max(PixelsFromTenths(widthTenths), 1), std::max(PixelsFromTenths(heightTenths), 1),
                    QImage::Format_RGB32);
    image_.fill(kPaperColour);
}

void PageImage::ensurePage(int widthTenths, int heightTenths) {
    if (!HasPage())
        NewPage(widthTenths, heightTenths);
}

void PageImage::DrawText(int x, int y, QRgb colour, const QString& fontName, const QString& text, int style,
                         int size) {
    ensurePage(kTextPageWidth, kTextPageHeight);
    const TextStyle bits = uprightStyle(style);
    const QFont font = PrintFont(fontName, pixelsFromPoints(size), bits.bold, bits.italic, bits.underline);
    lastFontFamily_ = ResolvedFamily(font);
    const QImage upright = renderUpright(font, text, colour);
    const QPoint topLeft(PixelsFromTenths(x), PixelsFromTenths(y));
    QPainter(&image_).drawImage(topLeft, upright);
    lastBox_ = QRect(topLeft, upright.size());
}

void PageImage::DrawRotatedText(int x, int y, QRgb colour, const QString& fontName, const QString& text,
                                int style, int size, int angle) {
    ensurePage(kTurnedPageWidth, kTurnedPageHeight);
    const TextStyle bits = turnedStyle(style);
    const QFont font = PrintFont(fontName, 2 * size, false, bits.italic, bits.underline);
    lastFontFamily_ = ResolvedFamily(font);
    const QImage upright = renderUpright(font, text, colour);
    const QImage turned = upright.transformed(QTransform().rotate(angle > 0 ? 90 : -90));
    const int px = PixelsFromTenths(x);
    const int py = PixelsFromTenths(y);
    const QPoint topLeft = angle > 0 ? QPoint(px - upright.height(), py) : QPoint(px, py - upright.width());
    QPainter(&image_).drawImage(topLeft, turned);
    lastBox_ = QRect(topLeft, turned.size());
}

QRect PageImage::clippedBox(int x1, int y1, int x2, int y2) const {
    int left = PixelsFromTenths(std::min(x1, x2));
    int top = PixelsFromTenths(std::min(y1, y2));
    const int right = std::min(PixelsFromTenths(std::max(x1, x2)), image_.width() - 1);
    const int bottom = std::min(PixelsFromTenths(std::max(y1, y2)), image_.height() - 1);
    return QRect(QPoint(left, top), QSize(right - left, bottom - top));
}

void PageImage::DrawBox(int x1, int y1, int x2, int y2, QRgb colour) {
    ensurePage(kTextPageWidth, kTextPageHeight);
    const QRect box = clippedBox(x1, y1, x2, y2);
    const QPoint topRight(box.left() + box.width(), box.top());
    const QPoint bottomRight(box.left() + box.width(), box.top() + box.height());
    const QPoint bottomLeft(box.left(), box.top() + box.height());
    QPainter painter(&image_);
    useMaskPen(painter, colour);
    painter.drawLine(box.topLeft(), topRight);
    painter.drawLine(topRight, bottomRight);
    painter.drawLine(bottomRight, bottomLeft);
    painter.drawLine(bottomLeft, box.topLeft());
    lastBox_ = box;
}

void PageImage::DrawEllipse(int x1, int y1, int x2, int y2, QRgb colour) {
    ensurePage(kTextPageWidth, kTextPageHeight);
    const QRect box = clippedBox(x1, y1, x2, y2);
    QPainter painter(&image_);
    useMaskPen(painter, colour);
    painter.drawEllipse(box);
    lastBox_ = box;
}

void PageImage::DrawBarcode(int x, int y, int barHeight, int moduleWidth, QRgb colour, const QString& text,
                            Symbology symbology) {
    ensurePage(kTurnedPageWidth, kTurnedPageHeight);
    const int px = PixelsFromTenths(x);
    const int py = PixelsFromTenths(y);
    const int height = EffectiveBarHeight(barHeight);
    barcodeWidth_ = PaintBarcodeModules(image_, px, py, height, EffectiveModuleWidth(moduleWidth), colour,
                                        BarcodeModules(symbology, text));
    barcodeHeight_ = py + height;
    lastBox_ = QRect(px, py, barcodeWidth_, barHeight);
}

QImage PageImage::TurnedClockwise() const {
    return image_.transformed(QTransform().rotate(90));
}
