#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSet>
#include <QString>

// A 24-pin printer reduced to what the page stream uses: CR, ESC * 39 bit images, ESC J and
// ESC j feeds. It records where each dot lands, in 1/180 inch from the first line printed on, so
// a test can compare the printout with the page it came from.
class EscpPrinterSimulation {
  public:
    // Prints the stream; returns "" or why the stream is not one a 24-pin printer understands.
    QString print(const QByteArray& stream) {
        qsizetype at = 0;
        const auto byteAt = [&](qsizetype i) { return static_cast<unsigned char>(stream.at(i)); };
        while (at < stream.size()) {
            const unsigned char c = byteAt(at);
            if (c == '\r') {
                ++at;
                continue;
            }
            if (c != 27 || at + 1 >= stream.size())
                return QStringLiteral("unexpected byte %1 at %2").arg(c).arg(at);
            const char command = stream.at(at + 1);
            if (command == 'J' || command == 'j') {
                if (at + 2 >= stream.size())
                    return QStringLiteral("feed cut short");
                line_ += (command == 'J' ? 1 : -1) * byteAt(at + 2);
                at += 3;
            } else if (command == '*') {
                if (at + 4 >= stream.size() || byteAt(at + 2) != 39)
                    return QStringLiteral("not a 24-pin bit image");
                const int columns = byteAt(at + 3) + 256 * byteAt(at + 4);
                at += 5;
                if (at + 3 * columns > stream.size())
                    return QStringLiteral("bit image cut short");
                for (int column = 0; column < columns; ++column) {
                    for (int pin = 0; pin < 24; ++pin) {
                        if (byteAt(at + 3 * column + pin / 8) & (0x80 >> (pin % 8)))
                            dots_.insert({column, line_ + pin});
                    }
                }
                at += 3 * columns;
            } else {
                return QStringLiteral("unknown command ESC %1").arg(QChar(command));
            }
        }
        return {};
    }

    const QSet<QPoint>& dots() const { return dots_; }
    // How far the paper has moved, in 1/180 inch.
    int paperFed() const { return line_; }

  private:
    int line_ = 0;
    QSet<QPoint> dots_;
};
