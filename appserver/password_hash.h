#pragma once

#include <QString>

// Salted Argon2id hashes of operator passwords, in libsodium's self-describing text form.
namespace password_hash {

QString make(const QString& password);
bool matches(const QString& hash, const QString& password);

}  // namespace password_hash
