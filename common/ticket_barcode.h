#pragma once

#include <QString>

// A converted text, or the reason it could not be converted (then `text` is empty).
struct ConvertedText {
    QString text;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// The twelve-digit ticket number in its nine-character bar-code form: each of the first three
// two-digit groups becomes one character (1..26 -> A..Z, 0 -> '@', 27..31 -> "+-/%$"), digits 7
// to 12 follow unchanged. Refused: anything but twelve digits, or a group above 31.
ConvertedText BarcodeFromTicketNo(const QString& ticketNo);

// The inverse: nine characters back to the twelve-digit ticket number. Refused: a text that is
// not nine characters, a group character outside '@'..'Z' and "+-/%$", or a tail that is not
// six digits.
ConvertedText TicketNoFromBarcode(const QString& barcode);
