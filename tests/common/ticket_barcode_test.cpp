#include "common/ticket_barcode.h"

#include <gtest/gtest.h>

#include "tests/support/qt_print.h"

namespace {

struct Pair {
    const char* ticketNo;
    const char* barcode;
};

TEST(TicketBarcode, ConvertsBothWays) {
    const Pair cases[] = {
        {"120910010105", "LIJ010105"},
        {"000000000000", "@@@000000"},
        {"272829999999", "+-/999999"},
        {"303126123456", "%$Z123456"},
        {"010203040506", "ABC040506"},
    };
    for (const Pair& c : cases) {
        const ConvertedText code = BarcodeFromTicketNo(QString::fromLatin1(c.ticketNo));
        ASSERT_TRUE(code.ok()) << c.ticketNo << ": " << code.error.toStdString();
        EXPECT_EQ(code.text, QString::fromLatin1(c.barcode));
        const ConvertedText back = TicketNoFromBarcode(code.text);
        ASSERT_TRUE(back.ok()) << c.barcode << ": " << back.error.toStdString();
        EXPECT_EQ(back.text, QString::fromLatin1(c.ticketNo));
    }
}

TEST(TicketBarcode, RefusesWhatCannotBeEncoded) {
    for (const char* bad : {"320910010105", "123210010105", "120932010105", "12091001010", "1209100101055",
                            "12091001010a", "", "12 910010105", "１２0910010105"}) {
        const ConvertedText code = BarcodeFromTicketNo(QString::fromUtf8(bad));
        EXPECT_FALSE(code.ok()) << bad;
        EXPECT_TRUE(code.text.isEmpty()) << bad;
        EXPECT_FALSE(code.error.isEmpty()) << bad;
    }
}

TEST(TicketBarcode, RefusesBarcodeTextsThatAreNotTicketNumbers) {
    for (const char* bad : {"LIJ01010", "LIJ0101050", "", "LIJ01A105", "L[J010105", "1IJ010105", "LI 010105"}) {
        const ConvertedText number = TicketNoFromBarcode(QString::fromLatin1(bad));
        EXPECT_FALSE(number.ok()) << bad;
        EXPECT_TRUE(number.text.isEmpty()) << bad;
    }
}

TEST(TicketBarcode, AcceptsLowerCaseFromAScanner) {
    EXPECT_EQ(TicketNoFromBarcode(QStringLiteral("lij010105")).text, u"120910010105");
}

}  // namespace
