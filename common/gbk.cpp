#include "common/gbk.h"

#include <iconv.h>

#include <QList>

#include <cerrno>
#include <stdexcept>

namespace {

// An iconv descriptor opened once per thread and direction (a descriptor is not thread-safe).
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Invalid input sequences are replaced by `replacement` and skipped one byte at a time.
    QByteArray run(const QByteArray& input, const QByteArray& replacement) const;

private:
    iconv_t cd_;
};

QByteArray Converter::run(const QByteArray& input, const QByteArray& replacement) const {
    iconv_t cd = cd_;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    QByteArray out;
    out.resize(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    size_t produced = 0;
    while (inLeft > 0) {
        char* dst = out.data() + produced;
        size_t outLeft = static_cast<size_t>(out.size()) - produced;
        const size_t rc = iconv(cd, &in, &inLeft, &dst, &outLeft);
        produced = static_cast<size_t>(dst - out.data());
        if (rc != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
        } else {
            // EILSEQ or EINVAL: skip one byte and mark the damage.
            ++in;
            --inLeft;
            out.resize(qMax<qsizetype>(out.size(), static_cast<qsizetype>(produced) + replacement.size() + 16));
            std::copy(replacement.begin(), replacement.end(), out.data() + produced);
            produced += static_cast<size_t>(replacement.size());
        }
    }
    out.resize(static_cast<qsizetype>(produced));
    return out;
}

const QByteArray kUtf8Replacement = QString(QChar::ReplacementCharacter).toUtf8();

qsizetype gbkCharLength(char32_t codePoint) {
    if (codePoint < 0x80) return 1;
    return encodeGbk(QString::fromUcs4(&codePoint, 1)).size();
}

}  // namespace

QByteArray encodeGbk(QStringView text) {
    thread_local const Converter toGbk("GB18030", "UTF-8");
    return toGbk.run(text.toUtf8(), "?");
}

QString decodeGbk(const QByteArray& bytes) {
    thread_local const Converter fromGbk("UTF-8", "GB18030");
    return QString::fromUtf8(fromGbk.run(bytes, kUtf8Replacement));
}

qsizetype gbkLength(QStringView text) { return encodeGbk(text).size(); }

QString gbkLeft(QStringView text, qsizetype maxBytes) {
    qsizetype used = 0;
    qsizetype end = 0;
    for (char32_t cp : text.toUcs4()) {
        const qsizetype len = gbkCharLength(cp);
        if (used + len > maxBytes) break;
        used += len;
        end += QChar::requiresSurrogates(cp) ? 2 : 1;
    }
    return text.left(end).toString();
}

QString gbkFit(QStringView text, qsizetype bytes) {
    const QString cut = gbkLeft(text, bytes);
    return cut + QString(bytes - gbkLength(cut), u' ');
}
