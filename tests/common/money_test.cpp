#include "common/money.h"

#include <gtest/gtest.h>

#include "tests/support/qt_print.h"

namespace {

Money yuan(const char* text) { return *Money::parse(QString::fromLatin1(text)); }

TEST(Money, ParsesDecimalTexts) {
    struct Case {
        const char* text;
        int64_t units;
    } cases[] = {
        {"25", 250000},   {"12.5", 125000}, {"-3.25", -32500}, {"0.0001", 1}, {" 7 ", 70000},
        {"+1.", 10000},   {".5", 5000},     {"0", 0},          {"-0.5", -5000},
    };
    for (const Case& c : cases) {
        const auto m = Money::parse(QString::fromLatin1(c.text));
        ASSERT_TRUE(m.has_value()) << c.text;
        EXPECT_EQ(m->units(), c.units) << c.text;
    }
}

TEST(Money, RefusesWhatIsNotADecimal) {
    for (const char* bad : {"", " ", "1,5", "1.23456", "abc", "1e3", "--1", ".", "1.2.3", "123456789012345"}) {
        EXPECT_FALSE(Money::parse(QString::fromLatin1(bad)).has_value()) << bad;
    }
}

TEST(Money, WritesTheShortestDecimalAndTheFixedForm) {
    EXPECT_EQ(yuan("25").toText(), u"25");
    EXPECT_EQ(yuan("12.50").toText(), u"12.5");
    EXPECT_EQ(yuan("-0.0001").toText(), u"-0.0001");
    EXPECT_EQ(yuan("0").toText(), u"0");
    EXPECT_EQ(yuan("25").toFixedText(), u"25.0000");
    EXPECT_EQ(yuan("-3.25").toFixedText(), u"-3.2500");
}

TEST(Money, RoundsToWholeAndHalfYuan) {
    struct Case {
        const char* amount;
        const char* trunc;
        const char* floor;
        const char* ceil;
        const char* halfUp;
        const char* ceilHalf;
        const char* halfUpHalf;
    } cases[] = {
        {"12.5", "12", "12", "13", "13", "12.5", "12.5"},
        {"12.25", "12", "12", "13", "12", "12.5", "12.5"},
        {"12.2", "12", "12", "13", "12", "12.5", "12"},
        {"12.75", "12", "12", "13", "13", "13", "13"},
        {"13", "13", "13", "13", "13", "13", "13"},
        {"0.0001", "0", "0", "1", "0", "0.5", "0"},
        {"-7.5", "-7", "-8", "-7", "-7", "-7.5", "-7.5"},
        {"-7.6", "-7", "-8", "-7", "-8", "-7.5", "-7.5"},
    };
    for (const Case& c : cases) {
        const Money m = yuan(c.amount);
        EXPECT_EQ(m.truncToYuan(), yuan(c.trunc)) << c.amount;
        EXPECT_EQ(m.floorToYuan(), yuan(c.floor)) << c.amount;
        EXPECT_EQ(m.ceilToYuan(), yuan(c.ceil)) << c.amount;
        EXPECT_EQ(m.halfUpToYuan(), yuan(c.halfUp)) << c.amount;
        EXPECT_EQ(m.ceilToHalfYuan(), yuan(c.ceilHalf)) << c.amount;
        EXPECT_EQ(m.halfUpToHalfYuan(), yuan(c.halfUpHalf)) << c.amount;
    }
}

TEST(Money, ScalesExactlyWithTiesToEven) {
    EXPECT_EQ(yuan("25").scaled(50, 100), yuan("12.5"));
    EXPECT_EQ(yuan("27").scaled(90, 100), yuan("24.3"));
    EXPECT_EQ(yuan("10").scaled(115, 100), yuan("11.5"));
    // 0.0003 * 50% = 0.00015 -> tie, to even 0.0002; 0.0001 * 50% -> tie, to even 0.
    EXPECT_EQ(yuan("0.0003").scaled(1, 2).units(), 2);
    EXPECT_EQ(yuan("0.0001").scaled(1, 2).units(), 0);
    EXPECT_EQ(yuan("-0.0003").scaled(1, 2).units(), -2);
    EXPECT_EQ(yuan("1").scaled(1, 3).units(), 3333);
    EXPECT_EQ(yuan("2").scaled(1, -3).units(), -6667);
    // Large amounts do not overflow in the intermediate product.
    EXPECT_EQ(yuan("90000000000").scaled(150, 100), yuan("135000000000"));
}

TEST(Money, ArithmeticAndOrder) {
    Money total = yuan("12.5") + yuan("0.5") - yuan("3");
    total += yuan("1");
    EXPECT_EQ(total, yuan("11"));
    EXPECT_EQ(yuan("2.5") * 3, yuan("7.5"));
    EXPECT_LT(yuan("-1"), yuan("0"));
    EXPECT_EQ(-yuan("4"), yuan("-4"));
    EXPECT_TRUE(yuan("4").isWholeYuan());
    EXPECT_FALSE(yuan("4.5").isWholeYuan());
}

}  // namespace
