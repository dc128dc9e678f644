#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Texts as the peers outside the two programs read them: GBK, written as GB18030 (its superset,
// so every character survives). Used for print job and layout files, printer output and the card
// service link; the wire itself is UTF-8.
QByteArray encodeGbk(QStringView text);
// Decodes GBK/GB18030 bytes. A malformed sequence becomes U+FFFD, never an exception.
QString decodeGbk(const QByteArray& bytes);

// Length of the text in GBK bytes (ASCII one byte, Chinese two, rarer characters four).
qsizetype gbkLength(QStringView text);
// The longest leading part of the text that fits in `maxBytes` GBK bytes; a character is never
// cut in half.
QString gbkLeft(QStringView text, qsizetype maxBytes);
// The text padded with blanks on the right, or cut, to exactly `bytes` GBK bytes (a cut that
// would halve a character leaves one more blank instead).
QString gbkFit(QStringView text, qsizetype bytes);
