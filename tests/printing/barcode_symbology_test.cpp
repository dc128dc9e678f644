#include "printing/barcode_symbology.h"

#include <gtest/gtest.h>

#include "tests/support/qt_print.h"

namespace {

struct EncodedCase {
    Symbology symbology;
    const char16_t* text;
    const char16_t* encoded;
};

class EncodedTextCase : public testing::TestWithParam<EncodedCase> {};

TEST_P(EncodedTextCase, FollowsTheSymbologysRules) {
    const EncodedCase& c = GetParam();
    EXPECT_EQ(EncodedText(c.symbology, QString::fromUtf16(c.text)), QString::fromUtf16(c.encoded));
}

INSTANTIATE_TEST_SUITE_P(Barcode, EncodedTextCase,
                         testing::Values(
                             // Check digits: the EAN examples, a known EAN-13 and a known UPC-A.
                             EncodedCase{Symbology::Ean13, u"123", u"1230000000000"},
                             EncodedCase{Symbology::Ean8, u"1234567", u"12345670"},
                             EncodedCase{Symbology::Ean13, u"4006381333931", u"4006381333931"},
                             EncodedCase{Symbology::Ean8, u"9638507", u"96385074"},
                             EncodedCase{Symbology::UpcA, u"03600029145", u"0036000291452"},
                             // Too long: cut before the check digit is computed.
                             EncodedCase{Symbology::Ean8, u"123456789", u"12345670"},
                             // Text failing the digit test shows 12345678.
                             EncodedCase{Symbology::Interleaved2of5, u"ABC", u"12345678"},
                             EncodedCase{Symbology::Code128C, u"12a4", u"12345678"},
                             EncodedCase{Symbology::Ean13, u"-1", u"1234567800004"},
                             EncodedCase{Symbology::Ean8, u"１２", u"12345670"},
                             EncodedCase{Symbology::UpcA, u"x", u"0123456780002"},
                             // Odd lengths get a leading zero; an empty text passes the digit test.
                             EncodedCase{Symbology::Interleaved2of5, u"123", u"0123"},
                             EncodedCase{Symbology::Code128C, u"123", u"0123"},
                             EncodedCase{Symbology::Interleaved2of5, u"", u""},
                             EncodedCase{Symbology::Ean13, u"", u"0000000000000"},
                             // Code 39 upper-cases and drops what it cannot carry; Codabar writes it as 0.
                             EncodedCase{Symbology::Code39, u"ab-1", u"AB-1"},
                             EncodedCase{Symbology::Code39, u"a#b票", u"AB"},
                             EncodedCase{Symbology::Code39, u"ATU800301", u"ATU800301"},
                             EncodedCase{Symbology::Codabar, u"a1-Z$:/.+票", u"01-0$:/.+0"},
                             EncodedCase{Symbology::Codabar, u"ABCD", u"ABCD"}));

TEST(Code128SetC, CheckValueOfTheExampleIs47) {
    EXPECT_EQ(Code128SetCValues(u"12345678"), (std::vector<int>{105, 12, 34, 56, 78, 47}));
    EXPECT_EQ(Code128SetCValues(u"123"), (std::vector<int>{105, 1, 23, (105 + 1 + 2 * 23) % 103}));
    EXPECT_EQ(Code128SetCValues(u"ABC"), Code128SetCValues(u"12345678"));
}

TEST(Code128SetC, ModulesAreStartSymbolsCheckAndStop) {
    const std::string modules = BarcodeModules(Symbology::Code128C, u"12345678");
    ASSERT_EQ(modules.size(), 6u * 11 + 13);
    EXPECT_EQ(modules.substr(0, 11), "11010011100");   // start C
    EXPECT_EQ(modules.substr(11, 11), "10110011100");  // 12
    EXPECT_EQ(modules.substr(55, 11), "10001110110");  // check 47
    EXPECT_EQ(modules.substr(66), "1100011101011");    // stop
}

TEST(Code128SetC, EverySymbolValueIsElevenModulesStartingWithABar) {
    QString allPairs;
    for (int value = 0; value < 100; ++value)
        allPairs += QString::number(value).rightJustified(2, u'0');
    const std::string modules = BarcodeModules(Symbology::Code128C, allPairs);
    ASSERT_EQ(modules.size(), 102u * 11 + 13);
    for (size_t symbol = 0; symbol < 102; ++symbol) {
        EXPECT_EQ(modules[symbol * 11], '1') << symbol;
        EXPECT_EQ(modules[symbol * 11 + 10], '0') << symbol;
    }
}

TEST(Code39, DroppedCharacterStillLeavesItsNarrowSpace) {
    const std::string plain = BarcodeModules(Symbology::Code39, u"AB");
    const std::string withDropped = BarcodeModules(Symbology::Code39, u"A#B");
    // Start, gap, A, gap = 2 × 13 modules; the dropped "#" adds only its gap.
    EXPECT_EQ(withDropped, plain.substr(0, 26) + "0" + plain.substr(26));
    EXPECT_EQ(BarcodeModules(Symbology::Code39, u"ab-1"), BarcodeModules(Symbology::Code39, u"AB-1"));
}

TEST(Code39, StarInTheTextIsTheStartStopCharacter) {
    const std::string star = "100101101101";
    EXPECT_EQ(BarcodeModules(Symbology::Code39, u""), star + "0" + star);
    EXPECT_EQ(BarcodeModules(Symbology::Code39, u"*"), star + "0" + star + "0" + star);
}

TEST(Interleaved2of5, EmptyTextDrawsOnlyStartAndStop) {
    EXPECT_EQ(BarcodeModules(Symbology::Interleaved2of5, u""), "10101101");
    // Pair 1-2: bars wnnnw of 1, spaces nwnnw of 2.
    EXPECT_EQ(BarcodeModules(Symbology::Interleaved2of5, u"12"),
              "1010"
              "11010010101100"
              "1101");
}

TEST(Codabar, StartsAndStopsWithAAndSeparatesCharacters) {
    const std::string a = "1011001001";
    EXPECT_EQ(BarcodeModules(Symbology::Codabar, u"1"), a + "0" + "101011001" + "0" + a);
}

TEST(Ean, QuietZonesGuardsAndLength) {
    const std::string ean13 = BarcodeModules(Symbology::Ean13, u"123");
    ASSERT_EQ(ean13.size(), 9u + 3 + 42 + 5 + 42 + 3 + 9);
    EXPECT_EQ(ean13.substr(0, 12), "000000000101");
    EXPECT_EQ(ean13.substr(54, 5), "01010");
    EXPECT_EQ(ean13.substr(101), "101000000000");
    // First digit 1 gives the parity LLGLGG: digit 2 (2) in L code, digit 4 (0) in G code.
    EXPECT_EQ(ean13.substr(12, 7), "0010011");
    EXPECT_EQ(ean13.substr(26, 7), "0100111");
    const std::string ean8 = BarcodeModules(Symbology::Ean8, u"1234567");
    ASSERT_EQ(ean8.size(), 7u + 3 + 28 + 5 + 28 + 3 + 7);
    // Check digit 0 in R code just before the end guard.
    EXPECT_EQ(ean8.substr(64, 7), "1110010");
    EXPECT_EQ(BarcodeModules(Symbology::UpcA, u"03600029145"),
              BarcodeModules(Symbology::Ean13, u"003600029145"));
}

TEST(BarId, OutsideOneToSevenMeansCode39) {
    EXPECT_EQ(SymbologyFromBarId(3), Symbology::Code128C);
    EXPECT_EQ(SymbologyFromBarId(7), Symbology::UpcA);
    for (int barId : {0, 8, 255, -1})
        EXPECT_EQ(SymbologyFromBarId(barId), Symbology::Code39) << barId;
}

}  // namespace
