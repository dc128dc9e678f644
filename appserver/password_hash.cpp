#include "appserver/password_hash.h"

#include <sodium.h>

#include <QByteArray>
#include <stdexcept>

namespace password_hash {

namespace {

// Argon2id with 19 MiB and two passes, the commonly recommended minimum: a desk's login stays quick
// and several desks logging in at once do not each claim 64 MiB.
constexpr unsigned long long kPasses = 2;
constexpr size_t kMemoryBytes = 19u * 1024u * 1024u;

void ensureSodium() {
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw std::runtime_error("libsodium cannot start");
}

}  // namespace

QString make(const QString& password) {
    ensureSodium();
    const QByteArray bytes = password.toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
                          kPasses, kMemoryBytes) != 0) {
        throw std::runtime_error("out of memory while hashing a password");
    }
    return QString::fromLatin1(hash);
}

bool matches(const QString& hash, const QString& password) {
    ensureSodium();
    const QByteArray stored = hash.toLatin1();
    const QByteArray bytes = password.toUtf8();
    return crypto_pwhash_str_verify(stored.constData(), bytes.constData(),
                                    static_cast<unsigned long long>(bytes.size())) == 0;
}

}  // namespace password_hash
