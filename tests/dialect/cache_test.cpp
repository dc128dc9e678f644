#include <QThread>

#include <gtest/gtest.h>

#include "appserver/dialect/translator.h"
#include "tests/dialect/variant_print.h"
#include "tests/support/qt_print.h"

namespace {

using dialect::Target;
using dialect::Translator;

TEST(TranslationCache, StatementsDifferingOnlyInLiteralsShareOneTranslation) {
    Translator translator(Target::Sqlite);
    const auto first =
        translator.translate(u"update desklist set ssum=ssum+2 where date0+ccno='08-05-078003'");
    const auto second =
        translator.translate(u"update desklist set ssum=ssum+5 where date0+ccno='08-05-098005'");
    EXPECT_EQ(first.sql, second.sql);
    EXPECT_EQ(first.parameters, QVariantList({2, u"08-05-078003"_qs}));
    EXPECT_EQ(second.parameters, QVariantList({5, u"08-05-098005"_qs}));
}

TEST(TranslationCache, ALiteralUsedTwiceIsBoundTwice) {
    Translator translator(Target::Sqlite);
    const auto first = translator.translate(u"select right(票号,6) from 已售车票");
    const auto second = translator.translate(u"select right(票号,2) from 已售车票");
    EXPECT_EQ(first.sql, second.sql);
    EXPECT_EQ(first.parameters, QVariantList({6, 6}));
    EXPECT_EQ(second.parameters, QVariantList({2, 2}));
}

// A text literal and a number in the same place are different shapes: one joins, one adds.
TEST(TranslationCache, TheKindOfALiteralIsPartOfTheShape) {
    Translator translator(Target::Sqlite);
    const auto text = translator.translate(u"select 1+'2'");
    const auto number = translator.translate(u"select 1+2");
    EXPECT_NE(text.sql, number.sql);
}

TEST(TranslationCache, ConcurrentTranslationsAgreeWithASingleThread) {
    const QStringList statements = {
        u"select 票号 from 已售车票 where 乘车日期+车次+座位号='2008-05-07800301'"_qs,
        u"update desklist set ssum=ssum-1 where date0+ccno='08-05-078003'"_qs,
        u"select top 20 结算号 from 月结单结算汇总 where 结算人='张三' order by 结算号 desc"_qs,
        u"create index x on y (z)"_qs,
    };
    QList<dialect::Translated> expected;
    for (const QString& statement : statements)
        expected.append(Translator(Target::Sqlite).translate(statement));

    Translator shared(Target::Sqlite);
    std::atomic<int> mismatches = 0;
    QList<QThread*> threads;
    for (int t = 0; t < 4; ++t) {
        threads.append(QThread::create([&] {
            for (int round = 0; round < 200; ++round) {
                const int i = round % int(statements.size());
                const auto translated = shared.translate(statements[i]);
                if (translated.sql != expected[i].sql || translated.parameters != expected[i].parameters)
                    ++mismatches;
            }
        }));
        threads.back()->start();
    }
    for (QThread* thread : threads) {
        thread->wait();
        delete thread;
    }
    EXPECT_EQ(mismatches, 0);
}

// Anything outside the subset goes to the engine as it was sent.
TEST(PassThrough, StatementsOutsideTheSubsetAreSentUnchanged) {
    const QString statements[] = {
        u"create index 票号索引 on 已售车票 (票号)"_qs,
        u"pragma integrity_check"_qs,
        u"select * from 包裹物品管理 where …"_qs,
        u"select * from 各站1情况 where 年+月=2005-04 order by 上车人数 desc group by 到站"_qs,
        u"select 'open"_qs,
        u"select 1; select 2"_qs,
        u"select 1 -- note"_qs,
        u"select top 10 percent 结算号 from 现金管理"_qs,
        u"update 已售车票 set 开出='是' from 已售车票 a,发车表 b where a.车次=b.车次"_qs,
        u""_qs,
        u"select"_qs,
        QString(5000, u'(') + u"select 1"_qs,
    };
    Translator translator(Target::Sqlite);
    for (const QString& statement : statements) {
        const auto translated = translator.translate(statement);
        EXPECT_TRUE(translated.passedThrough) << statement.left(80).toStdString();
        EXPECT_EQ(translated.sql, statement);
        EXPECT_TRUE(translated.parameters.isEmpty());
    }
}

}  // namespace
