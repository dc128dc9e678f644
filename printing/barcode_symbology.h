#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <vector>

// The seven bar-code symbologies of the print engine, numbered as the layouts choose them.
enum class Symbology {
    Code39 = 1,
    Interleaved2of5 = 2,
    Code128C = 3,
    Codabar = 4,
    Ean13 = 5,
    Ean8 = 6,
    UpcA = 7,
};

// 1 to 7 give their symbology; any other number means Code 39.
Symbology SymbologyFromBarId(int barId);

// The characters a symbol of this text carries after the symbology's rules: upper-casing and
// dropped characters (Code 39), "12345678" for text that fails the digit test, padding, cutting
// and the appended check digit (EAN and UPC). Start and stop characters are not included.
QString EncodedText(Symbology symbology, QStringView text);

// Code 128 set C symbol values of the text: start C (105), one value per digit pair, the check.
std::vector<int> Code128SetCValues(QStringView text);

// The symbol as modules of the narrow width: '1' a bar module, '0' a space module. Wide elements
// are two modules. Quiet zones are included only where the symbology has them (EAN and UPC).
std::string BarcodeModules(Symbology symbology, QStringView text);
