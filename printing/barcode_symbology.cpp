#include "printing/barcode_symbology.h"

#include <array>
#include <string_view>

namespace {

const QString kDigitFallback = QStringLiteral("12345678");

// Code 39: nine elements, bar first, 'w' wide and 'n' narrow.
constexpr std::string_view kCode39Characters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*";
constexpr std::array<std::string_view, 44> kCode39Patterns = {
    "nnnwwnwnn", "wnnwnnnnw", "nnwwnnnnw", "wnwwnnnnn", "nnnwwnnnw", "wnnwwnnnn", "nnwwwnnnn",
    "nnnwnnwnw", "wnnwnnwnn", "nnwwnnwnn", "wnnnnwnnw", "nnwnnwnnw", "wnwnnwnnn", "nnnnwwnnw",
    "wnnnwwnnn", "nnwnwwnnn", "nnnnnwwnw", "wnnnnwwnn", "nnwnnwwnn", "nnnnwwwnn", "wnnnnnnww",
    "nnwnnnnww", "wnwnnnnwn", "nnnnwnnww", "wnnnwnnwn", "nnwnwnnwn", "nnnnnnwww", "wnnnnnwwn",
    "nnwnnnwwn", "nnnnwnwwn", "wwnnnnnnw", "nwwnnnnnw", "wwwnnnnnn", "nwnnwnnnw", "wwnnwnnnn",
    "nwwnwnnnn", "nwnnnnwnw", "wwnnnnwnn", "nwwnnnwnn", "nwnwnwnnn", "nwnwnnnwn", "nwnnnwnwn",
    "nnnwnwnwn", "nwnnwnwnn"};

// Interleaved 2 of 5: five elements per digit.
constexpr std::array<std::string_view, 10> kI25Patterns = {
    "nnwwn", "wnnnw", "nwnnw", "wwnnn", "nnwnw", "wnwnn", "nwwnn", "nnnww", "wnnwn", "nwnwn"};

// Codabar: seven elements, bar first.
constexpr std::string_view kCodabarCharacters = "0123456789-$:/.+ABCD";
constexpr std::array<std::string_view, 20> kCodabarPatterns = {
    "nnnnnww", "nnnnwwn", "nnnwnnw", "wwnnnnn", "nnwnnwn", "wnnnnwn", "nwnnnnw",
    "nwnnwnn", "nwwnnnn", "wnnwnnn", "nnnwwnn", "nnwwnnn", "wnnnwnw", "wnwnnnw",
    "wnwnwnn", "nnwnwnw", "nnwwnwn", "nwnwnnw", "nnnwnww", "nnnwwwn"};

// Code 128: element widths, bar first; the stop has seven elements.
constexpr std::array<std::string_view, 106> kCode128Patterns = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212",
    "221213", "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221",
    "223211", "221132", "221231", "213212", "223112", "312131", "311222", "321122", "321221",
    "312212", "322112", "322211", "212123", "212321", "232121", "111323", "131123", "131321",
    "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331", "132131",
    "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131",
    "311123", "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111",
    "111224", "111422", "121124", "121421", "141122", "141221", "112214", "112412", "122114",
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111", "111242",
    "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131", "211412", "211214", "211232"};
constexpr std::string_view kCode128Stop = "2331112";
constexpr int kCode128StartC = 105;

// EAN L code, bar modules '1'; R is its complement and G its mirror image of R.
constexpr std::array<std::string_view, 10> kEanLCodes = {
    "0001101", "0011001", "0010011", "0111101", "0100011",
    "0110001", "0101111", "0111011", "0110111", "0001011"};
// Digits 2 to 7 of EAN-13 by the first digit: 'G' where the digit takes the G code.
constexpr std::array<std::string_view, 10> kEan13Parity = {
    "LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG", "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL"};

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool allDigits(QStringView text) {
    for (QChar c : text) {
        if (!isAsciiDigit(c)) return false;
    }
    return true;
}

QString digitsOrFallback(QStringView text) { return allDigits(text) ? text.toString() : kDigitFallback; }

QString evenLength(QString digits) {
    if (digits.size() % 2 != 0) digits.prepend(u'0');
    return digits;
}

QString fitDigits(QString digits, qsizetype length) {
    if (digits.size() < length) digits.append(QString(length - digits.size(), u'0'));
    return digits.left(length);
}

int digitAt(const QString& digits, qsizetype index) { return digits.at(index).unicode() - u'0'; }

// Sum of the digits at odd positions (1st, 3rd, ...) and at even positions.
std::pair<int, int> positionSums(const QString& digits) {
    int odd = 0;
    int even = 0;
    for (qsizetype i = 0; i < digits.size(); ++i) (i % 2 == 0 ? odd : even) += digitAt(digits, i);
    return {odd, even};
}

QChar eanCheckDigit(const QString& digits) {
    const auto [odd, even] = positionSums(digits);
    // Twelve digits (EAN-13, UPC-A) weigh the even positions by 3, seven (EAN-8) the odd ones.
    const int weighted = digits.size() % 2 == 0 ? even * 3 + odd : odd * 3 + even;
    return QChar(u'0' + (10 - weighted % 10) % 10);
}

void appendWidths(std::string& modules, std::string_view widths) {
    bool bar = true;
    for (char width : widths) {
        const int count = width == 'n' ? 1 : width == 'w' ? 2 : width - '0';
        modules.append(static_cast<size_t>(count), bar ? '1' : '0');
        bar = !bar;
    }
}

std::string_view code39Pattern(char32_t c) {
    const auto index = c < 128 ? kCode39Characters.find(static_cast<char>(c)) : std::string_view::npos;
    return index == std::string_view::npos ? std::string_view() : kCode39Patterns[index];
}

std::string code39Modules(QStringView text) {
    std::string modules;
    appendWidths(modules, code39Pattern(U'*'));
    modules += '0';
    for (QChar c : text.toString().toUpper()) {
        appendWidths(modules, code39Pattern(c.unicode()));
        modules += '0';
    }
    appendWidths(modules, code39Pattern(U'*'));
    return modules;
}

std::string i25Modules(const QString& digits) {
    std::string modules = "1010";
    for (qsizetype i = 0; i + 1 < digits.size(); i += 2) {
        const std::string_view bars = kI25Patterns[digitAt(digits, i)];
        const std::string_view spaces = kI25Patterns[digitAt(digits, i + 1)];
        std::string widths;
        for (size_t k = 0; k < 5; ++k) widths += {bars[k], spaces[k]};
        appendWidths(modules, widths);
    }
    modules += "1101";
    return modules;
}

qsizetype codabarIndex(QChar c) {
    const auto index = c.unicode() < 128 ? kCodabarCharacters.find(static_cast<char>(c.unicode()))
                                         : std::string_view::npos;
    return index == std::string_view::npos ? 0 : static_cast<qsizetype>(index);
}

std::string codabarModules(QStringView text) {
    const std::string_view start = kCodabarPatterns[codabarIndex(u'A')];
    std::string modules;
    appendWidths(modules, start);
    for (QChar c : text) {
        modules += '0';
        appendWidths(modules, kCodabarPatterns[codabarIndex(c)]);
    }
    modules += '0';
    appendWidths(modules, start);
    return modules;
}

std::string code128Modules(QStringView text) {
    std::string modules;
    for (int value : Code128SetCValues(text)) appendWidths(modules, kCode128Patterns[value]);
    appendWidths(modules, kCode128Stop);
    return modules;
}

std::string eanDigitModules(int digit, char code) {
    std::string modules(kEanLCodes[digit]);
    if (code == 'L') return modules;
    for (char& m : modules) m = m == '1' ? '0' : '1';
    if (code == 'G') return {modules.rbegin(), modules.rend()};
    return modules;
}

// EAN-13 and UPC-A (as EAN-13 with a first digit of 0).
std::string ean13Modules(const QString& digits) {
    const std::string_view parity = kEan13Parity[digitAt(digits, 0)];
    std::string modules(9, '0');
    modules += "101";
    for (qsizetype i = 1; i <= 6; ++i) modules += eanDigitModules(digitAt(digits, i), parity[i - 1]);
    modules += "01010";
    for (qsizetype i = 7; i <= 12; ++i) modules += eanDigitModules(digitAt(digits, i), 'R');
    modules += "101";
    modules.append(9, '0');
    return modules;
}

std::string ean8Modules(const QString& digits) {
    std::string modules(7, '0');
    modules += "101";
    for (qsizetype i = 0; i < 4; ++i) modules += eanDigitModules(digitAt(digits, i), 'L');
    modules += "01010";
    for (qsizetype i = 4; i < 8; ++i) modules += eanDigitModules(digitAt(digits, i), 'R');
    modules += "101";
    modules.append(7, '0');
    return modules;
}

}  // namespace

Symbology SymbologyFromBarId(int barId) {
    return barId >= 1 && barId <= 7 ? static_cast<Symbology>(barId) : Symbology::Code39;
}

QString EncodedText(Symbology symbology, QStringView text) {
    switch (symbology) {
    case Symbology::Code39: {
        QString kept;
        for (QChar c : text.toString().toUpper()) {
            if (!code39Pattern(c.unicode()).empty()) kept += c;
        }
        return kept;
    }
    case Symbology::Interleaved2of5:
    case Symbology::Code128C:
        return evenLength(digitsOrFallback(text));
    case Symbology::Codabar: {
        QString encoded;
        for (QChar c : text) encoded += QLatin1Char(kCodabarCharacters[codabarIndex(c)]);
        return encoded;
    }
    case Symbology::Ean13: {
        const QString digits = fitDigits(digitsOrFallback(text), 12);
        return digits + eanCheckDigit(digits);
    }
    case Symbology::Ean8: {
        const QString digits = fitDigits(digitsOrFallback(text), 7);
        return digits + eanCheckDigit(digits);
    }
    case Symbology::UpcA: {
        const QString digits = fitDigits(u'0' + digitsOrFallback(text), 12);
        return digits + eanCheckDigit(digits);
    }
    }
    return {};
}

std::vector<int> Code128SetCValues(QStringView text) {
    const QString digits = EncodedText(Symbology::Code128C, text);
    std::vector<int> values{kCode128StartC};
    int sum = kCode128StartC;
    for (qsizetype i = 0; i + 1 < digits.size(); i += 2) {
        const int value = digitAt(digits, i) * 10 + digitAt(digits, i + 1);
        sum += static_cast<int>(values.size()) * value;
        values.push_back(value);
    }
    values.push_back(sum % 103);
    return values;
}

std::string BarcodeModules(Symbology symbology, QStringView text) {
    switch (symbology) {
    case Symbology::Code39:
        return code39Modules(text);
    case Symbology::Interleaved2of5:
        return i25Modules(EncodedText(symbology, text));
    case Symbology::Code128C:
        return code128Modules(text);
    case Symbology::Codabar:
        return codabarModules(EncodedText(symbology, text));
    case Symbology::Ean13:
    case Symbology::UpcA:
        return ean13Modules(EncodedText(symbology, text));
    case Symbology::Ean8:
        return ean8Modules(EncodedText(symbology, text));
    }
    return {};
}
