#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include "printing/barcode_symbology.h"

// Pixel values of the page image. Direct (ESC/P) output prints a dot exactly where a pixel is
// the ink colour; driver output prints whatever is drawn, so its callers draw in black.
inline constexpr QRgb kInkColour = 0xFFFF0000;
inline constexpr QRgb kBlackColour = 0xFF000000;
inline constexpr QRgb kPaperColour = 0xFFFFFFFF;

// One page composed as a bitmap at 180 dots per inch. Positions are handed over in tenths of a
// millimetre, bar heights, module widths and the size of turned text in pixels. Lines are drawn
// in mask mode (pen AND background), so lines of one colour on paper keep that colour.
class PageImage {
  public:
    static constexpr int kDotsPerInch = 180;

    // v tenths of a millimetre in pixels: v × 0.7086 + 0.5, truncated.
    static int PixelsFromTenths(int tenths);

    // Discards any page and starts a white one of the given size in tenths of a millimetre.
    void NewPage(int widthTenths, int heightTenths);
    bool HasPage() const { return !image_.isNull(); }
    const QImage& Image() const { return image_; }

    // Text with its top left corner at (x, y), at `size` points on a 96-dpi screen, on a white
    // background. Style bits: 1 bold, 2 italic, 4 underline; values outside 0 to 7 mean all three.
    void DrawText(int x, int y, QRgb colour, const QString& fontName, const QString& text, int style,
                  int size);
    // Text turned a quarter turn: angle > 0 clockwise (reading downwards), otherwise
    // counter-clockwise (reading upwards). `size` is half the cell height in pixels. Bold is
    // ignored; styles 2, 3, 6, 7 italic, 4 to 7 underlined.
    void DrawRotatedText(int x, int y, QRgb colour, const QString& fontName, const QString& text, int style,
                         int size, int angle);
    // Outline of the box between two corners, clipped to the last pixel column and row.
    void DrawBox(int x1, int y1, int x2, int y2, QRgb colour);
    // Ellipse in the box between two corners; outline in colour, inside left as it was.
    void DrawEllipse(int x1, int y1, int x2, int y2, QRgb colour);
    void DrawBarcode(int x, int y, int barHeight, int moduleWidth, QRgb colour, const QString& text,
                     Symbology symbology);

    // The page turned a quarter turn clockwise (width and height swap).
    QImage TurnedClockwise() const;

    // Pixels: box of the last object drawn.
    QRect LastBox() const { return lastBox_; }
    // Width of the last bar code (quiet zones included) and the bottom of its bars.
    int BarcodeWidth() const { return barcodeWidth_; }
    int BarcodeHeight() const { return barcodeHeight_; }
    // The font family the last text was actually drawn in.
    QString LastFontFamily() const { return lastFontFamily_; }

  private:
    void ensurePage(int widthTenths, int heightTenths);
    // Orders the corners, converts them and clips the far corner to the page.
    QRect clippedBox(int x1, int y1, int x2, int y2) const;

    QImage image_;
    QRect lastBox_;
    int barcodeWidth_ = 0;
    int barcodeHeight_ = 0;
    QString lastFontFamily_;
};
