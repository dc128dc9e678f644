#include "printing/escp.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <vector>

namespace {

constexpr char kEsc = 27;
constexpr char kCarriageReturn = 13;
constexpr int kLongestFeed = 65000;

void appendBytes(QByteArray& out, std::initializer_list<char> bytes) {
    for (char b : bytes)
        out += b;
}

// Rows of one pass over the page, topmost first; a row past the bottom of the page (or before
// its top) reads as blank.
class Pass {
  public:
    Pass(const QImage& page, QRgb ink, const std::vector<int>& rows) : ink_(ink) {
        for (int row : rows) {
            lines_.push_back(row >= 0 && row < page.height()
                                 ? reinterpret_cast<const QRgb*>(page.constScanLine(row))
                                 : nullptr);
        }
    }

    // One byte per group of eight rows for each column 1 to width - 1; bit 7 is the topmost row.
    // Returns whether any dot was found.
    bool encode(int width, QByteArray& bytes) const {
        const int groups = static_cast<int>(lines_.size() + 7) / 8;
        bytes.resize(static_cast<qsizetype>(std::max(width - 1, 0)) * groups);
        char* out = bytes.data();
        bool anyDot = false;
        for (int column = 1; column < width; ++column) {
            for (int group = 0; group < groups; ++group) {
                unsigned char byte = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    const size_t index = static_cast<size_t>(group * 8 + bit);
                    if (index < lines_.size() && lines_[index] && lines_[index][column] == ink_)
                        byte |= 0x80 >> bit;
                }
                anyDot = anyDot || byte != 0;
                *out++ = static_cast<char>(byte);
            }
        }
        return anyDot;
    }

  private:
    QRgb ink_;
    std::vector<const QRgb*> lines_;
};

std::vector<int> rowRange(int first, int count, int step) {
    std::vector<int> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back(first + i * step);
    return rows;
}

void appendGraphics(QByteArray& out, int mode, int width, const QByteArray& columns) {
    const int count = std::max(width - 1, 0);
    out += kEsc;
    out += '*';
    out += static_cast<char>(mode);
    out += static_cast<char>(count % 256);
    out += static_cast<char>(count / 256);
    out += columns;
    out += kCarriageReturn;
}

void appendPass(QByteArray& out, const QImage& page, QRgb ink, int mode, const std::vector<int>& rows) {
    QByteArray columns;
    Pass(page, ink, rows).encode(page.width(), columns);
    appendGraphics(out, mode, page.width(), columns);
}

void appendBandFeed(QByteArray& out, int band, int bands, int bandRows, int pageHeight, int feedBetween) {
    out += EscpFeedPaper(band < bands ? feedBetween : pageHeight % bandRows);
}

QByteArray ninePinPage(const QImage& page, QRgb ink, bool fine) {
    constexpr int kBandRows = 16;
    constexpr int kNinePinMode = 1;
    QByteArray out(1, kCarriageReturn);
    const int bands = page.height() / kBandRows;
    for (int band = 1; band <= bands; ++band) {
        const int firstRow = kBandRows * (band - 1) + 1;
        if (fine) {
            appendPass(out, page, ink, kNinePinMode, rowRange(firstRow, 8, 2));
            out += EscpFeedPaper(1);
            appendPass(out, page, ink, kNinePinMode, rowRange(firstRow + 1, 8, 2));
        } else {
            appendPass(out, page, ink, kNinePinMode, rowRange(firstRow, 8, 1));
            out += EscpFeedPaper(16);
            appendPass(out, page, ink, kNinePinMode, rowRange(firstRow + 8, 8, 1));
        }
        appendBandFeed(out, band, bands, kBandRows, page.height(), fine ? 15 : 16);
    }
    return out;
}

}  // namespace

QByteArray EscpFeedPaper(int n) {
    QByteArray out;
    if (n == 0)
        return out;
    const char letter = n > 0 ? 'J' : 'j';
    const int m = std::min(std::abs(n), kLongestFeed);
    appendBytes(out, {kEsc, letter, static_cast<char>(m % 255)});
    for (int i = 0; i < m / 255; ++i)
        appendBytes(out, {kEsc, letter, static_cast<char>(255)});
    return out;
}

QByteArray EscpUnidirectional(bool on) {
    QByteArray out;
    appendBytes(out, {kEsc, 'U', static_cast<char>(on ? 1 : 0)});
    return out;
}

QByteArray EscpPinTest(int pins) {
    QByteArray out("Detect Print Star ...\n\r\n\r");
    const bool wideHead = pins > 8;
    const int pinCount = wideHead ? 24 : 8;
    const int columns = wideHead ? 170 : 120;
    const int bytesPerColumn = wideHead ? 3 : 1;
    for (int pin = 1; pin <= pinCount; ++pin) {
        out += "Current is " + QByteArray::number(pin) + " P:|";
        appendBytes(out, {kEsc, '*', static_cast<char>(wideHead ? 39 : 1), static_cast<char>(columns), 0});
        QByteArray column(bytesPerColumn, 0);
        column[(pin - 1) / 8] = static_cast<char>(0x80 >> ((pin - 1) % 8));
        for (int c = 0; c < columns; ++c)
            out += column;
        out += "|\n\r\n\r";
    }
    out += "Print end. Good Luck!\n\r\n\r";
    return out;
}

QByteArray EscpPage24Pin(const QImage& page, QRgb ink) {
    constexpr int kBandRows = 24;
    constexpr int kTwentyFourPinMode = 39;
    QByteArray out(1, kCarriageReturn);
    const int bands = page.height() / kBandRows;
    QByteArray columns;
    for (int band = 1; band <= bands; ++band) {
        const Pass pass(page, ink, rowRange(kBandRows * (band - 1) + 1, kBandRows, 1));
        if (pass.encode(page.width(), columns))
            appendGraphics(out, kTwentyFourPinMode, page.width(), columns);
        appendBandFeed(out, band, bands, kBandRows, page.height(), kBandRows);
    }
    return out;
}

QByteArray EscpPage9PinFine(const QImage& page, QRgb ink) {
    return ninePinPage(page, ink, true);
}

QByteArray EscpPage9PinFast(const QImage& page, QRgb ink) {
    return ninePinPage(page, ink, false);
}
