#include "common/sql.h"

#include <gtest/gtest.h>

#include "common/gbk.h"
#include "tests/support/qt_print.h"

namespace {

// Reads one literal back the way a SQL engine does: between the outer quotes, '' is one quote.
QString unquote(const QString& literal) {
    EXPECT_TRUE(literal.startsWith(u'\'') && literal.endsWith(u'\'')) << literal.toStdString();
    QString inner = literal.mid(1, literal.size() - 2);
    QString value;
    for (qsizetype i = 0; i < inner.size(); ++i) {
        value += inner[i];
        if (inner[i] == u'\'') {
            EXPECT_TRUE(i + 1 < inner.size() && inner[i + 1] == u'\'') << "lone quote in " << literal.toStdString();
            ++i;
        }
    }
    return value;
}

TEST(SqlLiterals, TextsRoundTripUnchanged) {
    const QString texts[] = {
        QString(),
        QStringLiteral("广州"),
        QStringLiteral("O'Brien"),
        QStringLiteral("'; delete from 已售车票 --"),
        QStringLiteral("''"),
        QStringLiteral("back\\slash \\' mixed"),
        QStringLiteral("line one\r\nline two"),
        QStringLiteral("emoji \U0001F68C and 𠀀 outside GBK"),
        QStringLiteral("tab\there"),
    };
    for (const QString& text : texts) {
        const QString literal = sqlText(text);
        EXPECT_EQ(unquote(literal), text);
        // Nothing after the closing quote: the literal cannot end early.
        EXPECT_EQ(literal.count(u'\''), 2 + 2 * text.count(u'\''));
    }
    EXPECT_EQ(sqlText(u"it's"), u"'it''s'");
}

TEST(SqlLiterals, NumbersAndBits) {
    EXPECT_EQ(sqlMoney(*Money::parse(u"12.50")), u"12.5");
    EXPECT_EQ(sqlMoney(*Money::parse(u"-3")), u"-3");
    EXPECT_EQ(sqlMoney(Money()), u"0");
    EXPECT_EQ(sqlBool(true), u"1");
    EXPECT_EQ(sqlBool(false), u"0");
    EXPECT_EQ(sqlInt(-42), u"-42");
    EXPECT_EQ(sqlInt(INT64_MAX), u"9223372036854775807");
}

}  // namespace
