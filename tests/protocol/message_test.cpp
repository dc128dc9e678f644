#include "protocol/message.h"

#include <gtest/gtest.h>

#include "protocol/dataset.h"
#include "tests/support/qt_print.h"

namespace {

TEST(Message, RequestAndRepliesRoundTrip) {
    const wire::Request request{7, QStringLiteral("lock"), QCborArray{0, QStringLiteral("08-05-078003")}};
    const auto back = wire::Request::fromCbor(request.toCbor());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->id, 7);
    EXPECT_EQ(back->method, u"lock");
    EXPECT_EQ(back->args.at(1).toString(), u"08-05-078003");

    const auto ok = wire::Reply::fromCbor(wire::Reply::success(7, true).toCbor());
    ASSERT_TRUE(ok);
    EXPECT_TRUE(ok->ok);
    EXPECT_TRUE(ok->result.toBool());

    const auto failed =
        wire::Reply::fromCbor(wire::Reply::failure(8, wire::ErrorCode::NotLoggedIn, QStringLiteral("请先登录")).toCbor());
    ASSERT_TRUE(failed);
    EXPECT_FALSE(failed->ok);
    EXPECT_EQ(failed->code, wire::ErrorCode::NotLoggedIn);
    EXPECT_EQ(failed->error, u"请先登录");
}

TEST(Message, MalformedRequestsAreRefused) {
    QCborMap noMethod;
    noMethod.insert(QStringLiteral("id"), 1);
    EXPECT_FALSE(wire::Request::fromCbor(noMethod));
    QCborMap textId;
    textId.insert(QStringLiteral("id"), QStringLiteral("1"));
    textId.insert(QStringLiteral("m"), QStringLiteral("GetVer"));
    EXPECT_FALSE(wire::Request::fromCbor(textId));
    QCborMap argsNotArray = wire::Request{1, QStringLiteral("GetVer"), {}}.toCbor();
    argsNotArray.insert(QStringLiteral("a"), 5);
    EXPECT_FALSE(wire::Request::fromCbor(argsNotArray));
}

TEST(DataSet, RoundTripsEveryCellKind) {
    wire::DataSet set;
    set.fields = {{QStringLiteral("票号"), wire::FieldType::Text},
                  {QStringLiteral("全票价"), wire::FieldType::Money},
                  {QStringLiteral("座位数"), wire::FieldType::Integer},
                  {QStringLiteral("是否打印小票"), wire::FieldType::Bool},
                  {QStringLiteral("比例"), wire::FieldType::Real},
                  {QStringLiteral("图片"), wire::FieldType::Blob}};
    set.rows = {{QStringLiteral("O'1209"), qint64(125000), qint64(45), true, 0.5, QByteArray("\x00\x01", 2)},
                {QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()}};
    const auto back = wire::DataSet::fromCbor(set.toCbor());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->fields, set.fields);
    ASSERT_EQ(back->rows.size(), 2);
    EXPECT_EQ(back->rows[0][0].toString(), u"O'1209");
    EXPECT_EQ(back->rows[0][1].toLongLong(), 125000);
    EXPECT_EQ(back->rows[0][3].toBool(), true);
    EXPECT_DOUBLE_EQ(back->rows[0][4].toDouble(), 0.5);
    EXPECT_EQ(back->rows[0][5].toByteArray(), QByteArray("\x00\x01", 2));
    for (const QVariant& cell : back->rows[1]) EXPECT_TRUE(cell.isNull());
}

TEST(DataSet, RefusesRowsThatDoNotMatchTheFields) {
    wire::DataSet set;
    set.fields = {{QStringLiteral("a"), wire::FieldType::Text}};
    set.rows = {{QStringLiteral("x"), QStringLiteral("extra")}};
    EXPECT_FALSE(wire::DataSet::fromCbor(set.toCbor()));
    QCborMap badType = wire::DataSet{{{QStringLiteral("a"), wire::FieldType::Text}}, {}}.toCbor();
    badType.insert(QStringLiteral("cols"), QCborArray{QCborArray{QStringLiteral("a"), QStringLiteral("varchar")}});
    EXPECT_FALSE(wire::DataSet::fromCbor(badType));
}

}  // namespace
