#pragma once

#include <QByteArray>
#include <QImage>

// ESC/P commands for the station's dot-matrix printers. A page image is sent as bit-image bands:
// a dot wherever a pixel is exactly the ink colour. Column 0 and row 0 are never sent.

// Paper feed by n/180 inch (ESC J), backwards for negative n (ESC j); nothing for 0.
QByteArray EscpFeedPaper(int n);
// ESC U 1 (unidirectional) or ESC U 0.
QByteArray EscpUnidirectional(bool on);
// The pin test page: pins 1 to 24 for a head of more than 8 pins, else pins 1 to 8.
QByteArray EscpPinTest(int pins);

// 24-pin, 180 × 180 dpi: bands of 24 rows in ESC * 39. Blank bands send no graphics, only their
// paper feed. Rows below the last full band are not printed.
QByteArray EscpPage24Pin(const QImage& page, QRgb ink);
// 9-pin fine: bands of 16 rows, the odd rows, a 1/180" feed, then the even rows, in ESC * 1.
QByteArray EscpPage9PinFine(const QImage& page, QRgb ink);
// 9-pin fast: bands of 16 rows, rows 1 to 8, a 16/180" feed, then rows 9 to 16, in ESC * 1.
QByteArray EscpPage9PinFast(const QImage& page, QRgb ink);
