#include <gtest/gtest.h>

#include "tests/dialect/station_database.h"
#include "tests/dialect/variant_print.h"
#include "tests/support/qt_print.h"

namespace {

// Literals travel as bound values, so quotes and text that looks like SQL arrive unchanged.
TEST(Literals, SurviveTheTranslation) {
    const QString values[] = {
        u"O'Brien"_qs, u"''"_qs,    u"a -- b"_qs, u"/* x */"_qs, u"x'; drop table 操作员; --"_qs,
        u"?"_qs,       u"张'三"_qs, u""_qs};
    StationDatabase database;
    for (const QString& value : values) {
        QString quoted = value;
        quoted.replace(u'\'', QStringLiteral("''"));
        database.translateAndRun(QStringLiteral("delete from 操作员"));
        database.translateAndRun(
            QStringLiteral("insert into 操作员 (操作员代号,操作员姓名) values('0101','%1')").arg(quoted));
        const QList<QVariantList> rows = database.translateAndRun(
            QStringLiteral("select 操作员姓名 from 操作员 where 操作员姓名='%1'").arg(quoted));
        ASSERT_EQ(rows.size(), 1) << value.toStdString();
        EXPECT_EQ(rows.front().value(0).toString(), value);
    }
}

TEST(Literals, NumbersKeepTheirSignAndFraction) {
    StationDatabase database;
    const QList<QVariantList> rows = database.translateAndRun(u"select -2, 12.5, -(-3), 2- -1, 007");
    const QList<QVariantList> expected = {{-2, 12.5, 3, 3, 7}};
    EXPECT_EQ(rows, expected);
}

}  // namespace
