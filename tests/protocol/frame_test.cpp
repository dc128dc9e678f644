#include "protocol/frame.h"

#include <gtest/gtest.h>

#include <QCborValue>
#include <QtEndian>

#include "tests/support/qt_print.h"

namespace {

QCborMap sample(int id) {
    QCborMap map;
    map.insert(QStringLiteral("id"), id);
    map.insert(QStringLiteral("m"), QStringLiteral("ExeSql1"));
    return map;
}

QByteArray lengthPrefix(quint32 length) {
    QByteArray prefix(4, Qt::Uninitialized);
    qToBigEndian<quint32>(length, prefix.data());
    return prefix;
}

TEST(FrameReader, ReassemblesFramesSplitAtAnyByte) {
    const QByteArray stream = wire::encodeFrame(sample(1)) + wire::encodeFrame(sample(2));
    for (qsizetype cut = 0; cut <= stream.size(); ++cut) {
        wire::FrameReader reader;
        reader.append(stream.left(cut));
        QList<qint64> ids;
        while (auto frame = reader.next()) ids << frame->message->value(QStringLiteral("id")).toInteger();
        reader.append(stream.mid(cut));
        while (auto frame = reader.next()) ids << frame->message->value(QStringLiteral("id")).toInteger();
        EXPECT_EQ(ids, (QList<qint64>{1, 2})) << "cut at " << cut;
        EXPECT_EQ(reader.bufferedBytes(), 0);
    }
}

TEST(FrameReader, RefusesBadFramesAndStaysInStep) {
    struct Case {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"not CBOR", lengthPrefix(3) + QByteArray("\xff\xff\xff", 3)},
        {"CBOR but not a map", lengthPrefix(1) + QByteArray("\x05", 1)},
        {"empty body", lengthPrefix(0)},
    };
    for (const Case& c : cases) {
        wire::FrameReader reader;
        reader.append(c.bytes + wire::encodeFrame(sample(9)));
        auto bad = reader.next();
        ASSERT_TRUE(bad.has_value()) << c.what;
        EXPECT_FALSE(bad->message.has_value()) << c.what;
        EXPECT_FALSE(bad->error.isEmpty()) << c.what;
        auto good = reader.next();
        ASSERT_TRUE(good && good->message) << c.what;
        EXPECT_EQ(good->message->value(QStringLiteral("id")).toInteger(), 9) << c.what;
    }
}

TEST(FrameReader, SkipsAnOversizedFrameWithoutBufferingIt) {
    wire::FrameReader reader;
    const quint32 huge = wire::kMaxFrameBytes + 10;
    reader.append(lengthPrefix(huge) + QByteArray(1000, 'x'));
    auto refused = reader.next();
    ASSERT_TRUE(refused.has_value());
    EXPECT_FALSE(refused->message.has_value());
    EXPECT_EQ(reader.bufferedBytes(), 0);
    // The rest of the huge frame arrives and is dropped; the next frame is read normally.
    reader.append(QByteArray(static_cast<qsizetype>(huge - 1000), 'y') + wire::encodeFrame(sample(3)));
    auto next = reader.next();
    ASSERT_TRUE(next && next->message);
    EXPECT_EQ(next->message->value(QStringLiteral("id")).toInteger(), 3);
}

}  // namespace
