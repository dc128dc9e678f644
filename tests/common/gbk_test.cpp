#include "common/gbk.h"

#include <gtest/gtest.h>

#include "tests/support/qt_print.h"

namespace {

TEST(Gbk, EncodesChineseInTwoBytesAndAsciiInOne) {
    EXPECT_EQ(encodeGbk(u"广州A1"), QByteArray("\xB9\xE3\xD6\xDD" "A1"));
    EXPECT_EQ(decodeGbk(QByteArray("\xB9\xE3\xD6\xDD" "A1")), u"广州A1");
}

TEST(Gbk, EveryTextRoundTrips) {
    const QString texts[] = {
        QString(),
        QStringLiteral("已售车票|乘车日期|2008-05-07"),
        QStringLiteral("O'Brien \\ \r\n"),
        QStringLiteral("€ ¥ 〖〗【】 ・"),
        QStringLiteral("outside GBK: 𠀀 \U0001F68C ㊣"),
    };
    for (const QString& text : texts) {
        EXPECT_EQ(decodeGbk(encodeGbk(text)), text);
    }
}

TEST(Gbk, MalformedBytesBecomeReplacementCharacters) {
    const QString decoded = decodeGbk(QByteArray("ok\xB9", 3));
    EXPECT_TRUE(decoded.startsWith(u"ok"));
    EXPECT_TRUE(decoded.contains(QChar::ReplacementCharacter));
}

TEST(Gbk, LengthsAndCutsCountBytesAndKeepCharactersWhole) {
    EXPECT_EQ(gbkLength(u"广州A1"), 6);
    EXPECT_EQ(gbkLength(u"𠀀"), 4);
    struct Case {
        const char16_t* text;
        qsizetype bytes;
        const char16_t* left;
    } cases[] = {
        {u"广州A1", 6, u"广州A1"}, {u"广州A1", 5, u"广州A"}, {u"广州A1", 3, u"广"},
        {u"广州A1", 1, u""},        {u"A广州", 2, u"A"},      {u"A𠀀B", 4, u"A"},
        {u"A𠀀B", 5, u"A𠀀"},       {u"abc", 0, u""},         {u"abc", 10, u"abc"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gbkLeft(QString::fromUtf16(c.text), c.bytes), QString::fromUtf16(c.left))
            << QString::fromUtf16(c.text).toStdString() << " in " << c.bytes;
    }
    EXPECT_EQ(gbkFit(u"广州", 5), u"广州 ");
    EXPECT_EQ(gbkFit(u"广州", 3), u"广 ");
    EXPECT_EQ(gbkLength(gbkFit(u"广州汽车站", 7)), 7);
}

}  // namespace
