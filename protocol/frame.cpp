#include "protocol/frame.h"

#include <QCborValue>
#include <QtEndian>

namespace wire {

QByteArray encodeFrame(const QCborMap& message) {
    const QByteArray body = QCborValue(message).toCbor();
    QByteArray frame(4, Qt::Uninitialized);
    qToBigEndian<quint32>(static_cast<quint32>(body.size()), frame.data());
    frame += body;
    return frame;
}

void FrameReader::append(const QByteArray& bytes) {
    if (skipping_ > 0) {
        const qsizetype dropped = static_cast<qsizetype>(qMin<quint64>(skipping_, static_cast<quint64>(bytes.size())));
        skipping_ -= static_cast<quint64>(dropped);
        buffer_ += bytes.mid(dropped);
        return;
    }
    buffer_ += bytes;
}

std::optional<FrameReader::Frame> FrameReader::next() {
    if (skipping_ > 0 || buffer_.size() < 4) return std::nullopt;
    const quint32 length = qFromBigEndian<quint32>(buffer_.constData());
    if (length > kMaxFrameBytes) {
        const quint64 available = static_cast<quint64>(buffer_.size() - 4);
        skipping_ = length > available ? length - available : 0;
        buffer_.remove(0, static_cast<qsizetype>(4 + qMin<quint64>(length, available)));
        return Frame{std::nullopt, QStringLiteral("frame of %1 bytes is larger than %2 bytes").arg(length).arg(kMaxFrameBytes),
                     true};
    }
    if (static_cast<quint64>(buffer_.size()) < 4ull + length) return std::nullopt;
    const QByteArray body = buffer_.mid(4, length);
    buffer_.remove(0, 4 + static_cast<qsizetype>(length));
    QCborParserError parseError;
    const QCborValue value = QCborValue::fromCbor(body, &parseError);
    if (parseError.error != QCborError::NoError) {
        return Frame{std::nullopt, QStringLiteral("malformed CBOR: ") + parseError.errorString(), false};
    }
    if (!value.isMap()) return Frame{std::nullopt, QStringLiteral("a frame must hold a CBOR map"), false};
    return Frame{value.toMap(), QString(), false};
}

}  // namespace wire
