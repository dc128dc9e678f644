// libFuzzer entry: arbitrary bytes, read as UTF-8, must neither crash nor hang the translator, and
// a cached translation must equal a fresh one.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "appserver/dialect/translator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static dialect::Translator shared(dialect::Target::Sqlite);
    const QString statement = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const dialect::Translated cached = shared.translate(statement);
    const dialect::Translated fresh = dialect::Translator(dialect::Target::Sqlite).translate(statement);
    if (cached.sql != fresh.sql || cached.parameters != fresh.parameters ||
        cached.passedThrough != fresh.passedThrough)
        std::abort();
    return 0;
}
