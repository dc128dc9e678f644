#include "printing/barcode_symbology.h"

#include <array>
#include <string_view>

namespace {

const std::string kDigitFallback = "12345678";

// Code 39: nine elements, bar first, 'w' wide and 'n' narrow.
constexpr std::string_view kCode39Characters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*";
constexpr std::array<std::string_view, 44> kCode39Patterns = {
    "nnnwwnwnn", "wnnwnnnnw", "nnwwnnnnw", "wnwwnnnnn", "nnnwwnnnw", "wnnwwnnnn", "nnwwwnnnn", "nnnwnnwnw",
    "wnnwnnwnn", "nnwwnnwnn", "wnnnnwnnw", "nnwnnwnnw", "wnwnnwnnn", "nnnnwwnnw", "wnnnwwnnn", "nnwnwwnnn",
    "nnnnnwwnw", "wnnnnwwnn", "nnwnnwwnn", "nnnnwwwnn", "wnnnnnnww", "nnwnnnnww", "wnwnnnnwn", "nnnnwnnww",
    "wnnnwnnwn", "nnwnwnnwn", "nnnnnnwww", "wnnnnnwwn", "nnwnnnwwn", "nnnnwnwwn", "wwnnnnnnw", "nwwnnnnnw",
    "wwwnnnnnn", "nwnnwnnnw", "wwnnwnnnn", "nwwnwnnnn", "nwnnnnwnw", "wwnnnnwnn", "nwwnnnwnn", "nwnwnwnnn",
    "nwnwnnnwn", "nwnnnwnwn", "nnnwnwnwn", "nwnnwnwnn"};

// Interleaved 2 of 5: five elements per digit.
constexpr std::array<std::string_view, 10> kI25Patterns = {"nnwwn", "wnnnw", "nwnnw", "wwnnn", "nnwnw",
                                                           "wnwnn", "nwwnn", "nnnww", "wnnwn", "nwnwn"};

// Codabar: seven elements, bar first.
constexpr std::string_view kCodabarCharacters = "0123456789-$:/.+ABCD";
constexpr std::array<std::string_view, 20> kCodabarPatterns = {
    "nnnnnww", "nnnnwwn", "nnnwnnw", "wwnnnnn", "nnwnnwn", "wnnnnwn", "nwnnnnw",
    "nwnnwnn", "nwwnnnn", "wnnwnnn", "nnnwwnn", "nnwwnnn", "wnnnwnw", "wnwnnnw",
    "wnwnwnn", "nnwnwnw", "nnwwnwn", "nwnwnnw", "nnnwnww", "nnnwwwn"};

// Code 128: element widths, bar first; the stop has seven elements.
constexpr std::array<std::string_view, 106> kCode128Patterns = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232"};
constexpr std::string_view kCode128Stop = "2331112";
constexpr int kCode128StartC = 105;

// EAN L code, bar modules '1'; R is its complement and G its mirror image of R.
constexpr std::array<std::string_view, 10> kEanLCodes = {"0001101", "0011001", "0010011", "0111101",
                                                         "0100011", "0110001", "0101111", "0111011",
                                                         "0110111", "0001011"};
// Digits 2 to 7 of EAN-13 by the first digit: 'G' where the digit takes the G code.
constexpr std::array<std::string_view, 10> kEan13Parity = {"LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG",
                                                           "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL"};

// A character no symbology carries; stands for anything outside ASCII.
constexpr char kForeign = '\x7f';

std::string asciiOf(QStringView text) {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text)
        out += c.unicode() < 128 ? static_cast<char>(c.unicode()) : kForeign;
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitAt(std::string_view digits, size_t index) {
    return digits[index] - '0';
}

std::string digitsOrFallback(std::string_view text) {
    for (char c : text) {
        if (!isDigit(c))
            return kDigitFallback;
    }
    return std::string(text);
}

std::string evenLength(std::string digits) {
    if (digits.size() % 2 != 0)
        digits.insert(digits.begin(), '0');
    return digits;
}

std::string fitDigits(std::string digits, size_t length) {
    digits.resize(length, '0');
    return digits;
}

char eanCheckDigit(std::string_view digits) {
    int odd = 0;
    int even = 0;
    for (size_t i = 0; i < digits.size(); ++i)
        (i % 2 == 0 ? odd : even) += digitAt(digits, i);
    // Twelve digits (EAN-13, UPC-A) weigh the even positions by 3, seven (EAN-8) the odd ones.
    const int weighted = digits.size() % 2 == 0 ? even * 3 + odd : odd * 3 + even;
    return static_cast<char>('0' + (10 - weighted % 10) % 10);
}

std::string withEanCheckDigit(std::string digits) {
    digits += eanCheckDigit(digits);
    return digits;
}

// The characters of a symbol after the symbology's rules, as ASCII.
std::string encodedAscii(Symbology symbology, std::string_view ascii) {
    switch (symbology) {
        case Symbology::Code39: {
            std::string kept;
            for (char c : ascii) {
                const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
                if (kCode39Characters.find(upper) != std::string_view::npos)
                    kept += upper;
            }
            return kept;
        }
        case Symbology::Interleaved2of5:
        case Symbology::Code128C:
            return evenLength(digitsOrFallback(ascii));
        case Symbology::Codabar: {
            std::string mapped(ascii);
            for (char& c : mapped) {
                if (kCodabarCharacters.find(c) == std::string_view::npos)
                    c = '0';
            }
            return mapped;
        }
        case Symbology::Ean13:
            return withEanCheckDigit(fitDigits(digitsOrFallback(ascii), 12));
        case Symbology::Ean8:
            return withEanCheckDigit(fitDigits(digitsOrFallback(ascii), 7));
        case Symbology::UpcA:
            return withEanCheckDigit(fitDigits('0' + digitsOrFallback(ascii), 12));
    }
    return {};
}

std::string modulesOfWidths(std::string_view widths) {
    std::string modules;
    bool bar = true;
    for (char width : widths) {
        const int count = width == 'n' ? 1 : width == 'w' ? 2 : width - '0';
        modules.append(static_cast<size_t>(count), bar ? '1' : '0');
        bar = !bar;
    }
    return modules;
}

// Each pattern of a table turned into modules once.
template <size_t N>
std::array<std::string, N> moduleTable(const std::array<std::string_view, N>& patterns) {
    std::array<std::string, N> table;
    for (size_t i = 0; i < N; ++i)
        table[i] = modulesOfWidths(patterns[i]);
    return table;
}

size_t indexIn(std::string_view characters, char c) {
    return characters.find(c);
}

std::string code39Modules(std::string_view ascii) {
    static const auto table = moduleTable(kCode39Patterns);
    const std::string& star = table[indexIn(kCode39Characters, '*')];
    std::string modules;
    modules.reserve((ascii.size() + 2) * 13);
    modules += star;
    modules += '0';
    for (char c : ascii) {
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        const size_t index = indexIn(kCode39Characters, upper);
        // A character the symbology cannot carry is dropped, but its gap stays.
        if (index != std::string_view::npos)
            modules += table[index];
        modules += '0';
    }
    modules += star;
    return modules;
}

// The modules of each digit pair 00 to 99: the first digit in the bars, the second in the spaces.
const std::array<std::string, 100>& i25PairTable() {
    static const std::array<std::string, 100> table = [] {
        std::array<std::string, 100> built;
        for (size_t pair = 0; pair < 100; ++pair) {
            std::string widths;
            for (size_t k = 0; k < 5; ++k)
                widths += {kI25Patterns[pair / 10][k], kI25Patterns[pair % 10][k]};
            built[pair] = modulesOfWidths(widths);
        }
        return built;
    }();
    return table;
}

std::string i25Modules(std::string_view digits) {
    const auto& pairs = i25PairTable();
    std::string modules = "1010";
    modules.reserve(8 + digits.size() * 7);
    for (size_t i = 0; i + 1 < digits.size(); i += 2) {
        modules += pairs[static_cast<size_t>(digitAt(digits, i) * 10 + digitAt(digits, i + 1))];
    }
    modules += "1101";
    return modules;
}

std::string codabarModules(std::string_view characters) {
    static const auto table = moduleTable(kCodabarPatterns);
    const std::string& start = table[indexIn(kCodabarCharacters, 'A')];
    std::string modules;
    modules.reserve((characters.size() + 2) * 11);
    modules += start;
    for (char c : characters) {
        modules += '0';
        modules += table[indexIn(kCodabarCharacters, c)];
    }
    modules += '0';
    modules += start;
    return modules;
}

// Start C, one value per digit pair, the check value; an even number of digits.
template <typename Visit>
void forEachCode128Value(std::string_view digits, Visit visit) {
    visit(kCode128StartC);
    int sum = kCode128StartC;
    int position = 1;
    for (size_t i = 0; i + 1 < digits.size(); i += 2, ++position) {
        const int value = digitAt(digits, i) * 10 + digitAt(digits, i + 1);
        sum += position * value;
        visit(value);
    }
    visit(sum % 103);
}

std::string code128Modules(std::string_view digits) {
    static const auto table = moduleTable(kCode128Patterns);
    std::string modules;
    modules.reserve((digits.size() / 2 + 3) * 11 + 2);
    forEachCode128Value(digits, [&](int value) { modules += table[static_cast<size_t>(value)]; });
    modules += modulesOfWidths(kCode128Stop);
    return modules;
}

// L, G and R codes of each digit.
struct EanCodes {
    std::array<std::string, 10> l;
    std::array<std::string, 10> g;
    std::array<std::string, 10> r;
};

const EanCodes& eanCodes() {
    static const EanCodes codes = [] {
        EanCodes built;
        for (size_t digit = 0; digit < 10; ++digit) {
            built.l[digit] = std::string(kEanLCodes[digit]);
            built.r[digit] = built.l[digit];
            for (char& m : built.r[digit])
                m = m == '1' ? '0' : '1';
            built.g[digit] = std::string(built.r[digit].rbegin(), built.r[digit].rend());
        }
        return built;
    }();
    return codes;
}

// EAN-13 and UPC-A (as EAN-13 with a first digit of 0).
std::string ean13Modules(std::string_view digits) {
    const EanCodes& codes = eanCodes();
    const std::string_view parity = kEan13Parity[digitAt(digits, 0)];
    std::string modules(9, '0');
    modules.reserve(113);
    modules += "101";
    for (size_t i = 1; i <= 6; ++i) {
        const size_t digit = digitAt(digits, i);
        modules += parity[i - 1] == 'G' ? codes.g[digit] : codes.l[digit];
    }
    modules += "01010";
    for (size_t i = 7; i <= 12; ++i)
        modules += codes.r[digitAt(digits, i)];
    modules += "101";
    modules.append(9, '0');
    return modules;
}

std::string ean8Modules(std::string_view digits) {
    const EanCodes& codes = eanCodes();
    std::string modules(7, '0');
    modules.reserve(81);
    modules += "101";
    for (size_t i = 0; i < 4; ++i)
        modules += codes.l[digitAt(digits, i)];
    modules += "01010";
    for (size_t i = 4; i < 8; ++i)
        modules += codes.r[digitAt(digits, i)];
    modules += "101";
    modules.append(7, '0');
    return modules;
}

}  // namespace

Symbology SymbologyFromBarId(int barId) {
    return barId >= 1 && barId <= 7 ? static_cast<Symbology>(barId) : Symbology::Code39;
}

QString EncodedText(Symbology symbology, QStringView text) {
    return QString::fromLatin1(encodedAscii(symbology, asciiOf(text)));
}

std::vector<int> Code128SetCValues(QStringView text) {
    std::vector<int> values;
    forEachCode128Value(encodedAscii(Symbology::Code128C, asciiOf(text)),
                        [&](int value) { values.push_back(value); });
    return values;
}

std::string BarcodeModules(Symbology symbology, QStringView text) {
    const std::string ascii = asciiOf(text);
    switch (symbology) {
        case Symbology::Code39:
            return code39Modules(ascii);
        case Symbology::Interleaved2of5:
            return i25Modules(encodedAscii(symbology, ascii));
        case Symbology::Code128C:
            return code128Modules(encodedAscii(symbology, ascii));
        case Symbology::Codabar:
            return codabarModules(encodedAscii(symbology, ascii));
        case Symbology::Ean13:
        case Symbology::UpcA:
            return ean13Modules(encodedAscii(symbology, ascii));
        case Symbology::Ean8:
            return ean8Modules(encodedAscii(symbology, ascii));
    }
    return {};
}
