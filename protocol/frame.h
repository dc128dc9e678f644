#pragma once

#include <QByteArray>
#include <QCborMap>
#include <QString>
#include <optional>

// Framing of the wire: a 4-byte big-endian length followed by that many bytes of one CBOR map.
namespace wire {

constexpr quint32 kMaxFrameBytes = 64u * 1024u * 1024u;
constexpr quint16 kDefaultPort = 7520;

QByteArray encodeFrame(const QCborMap& message);

// Collects bytes as they arrive and hands out whole frames. A frame that is too large or does not
// hold a CBOR map is reported as an error and skipped, so the stream stays in step and the
// connection stays usable; the length is never trusted beyond the limit.
class FrameReader {
public:
    void append(const QByteArray& bytes);

    struct Frame {
        std::optional<QCborMap> message;  // empty when the frame was refused
        QString error;                    // why it was refused
        bool tooLarge = false;            // refused for its length alone
    };
    // The next whole frame, or nothing when more bytes are needed.
    std::optional<Frame> next();

    qsizetype bufferedBytes() const { return buffer_.size(); }

private:
    QByteArray buffer_;
    quint64 skipping_ = 0;  // bytes of a refused oversized frame still to drop
};

}  // namespace wire
