#include "tools/ticket-sql/call_arguments.h"

#include <QRegularExpression>

namespace {

QCborValue unquotedWord(const QString& word) {
    static const QRegularExpression wholeNumber(QStringLiteral("^-?(0|[1-9][0-9]{0,17})$"));
    if (wholeNumber.match(word).hasMatch())
        return QCborValue(word.toLongLong());
    if (word == u"true")
        return QCborValue(true);
    if (word == u"false")
        return QCborValue(false);
    return QCborValue(word);
}

}  // namespace

std::optional<QCborArray> parseCallArguments(QStringView words) {
    QCborArray arguments;
    qsizetype i = 0;
    while (i < words.size()) {
        if (words[i].isSpace()) {
            ++i;
            continue;
        }
        const QChar quote = words[i];
        if (quote == u'\'' || quote == u'"') {
            QString text;
            bool closed = false;
            for (++i; i < words.size(); ++i) {
                if (words[i] != quote) {
                    text += words[i];
                } else if (i + 1 < words.size() && words[i + 1] == quote) {
                    text += quote;
                    ++i;
                } else {
                    closed = true;
                    ++i;
                    break;
                }
            }
            if (!closed)
                return std::nullopt;
            arguments.append(text);
            continue;
        }
        const qsizetype start = i;
        while (i < words.size() && !words[i].isSpace())
            ++i;
        arguments.append(unquotedWord(words.mid(start, i - start).toString()));
    }
    return arguments;
}
