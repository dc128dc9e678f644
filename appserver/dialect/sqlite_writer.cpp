#include "appserver/dialect/sqlite_writer.h"

#include <QSet>

namespace dialect {
namespace {

bool isSqliteKeyword(const QString& name) {
    static const QSet<QString> keywords = [] {
        const QString list = QStringLiteral(
            "abort action add after all alter always analyze and as asc attach autoincrement before "
            "begin between by cascade case cast check collate column commit conflict constraint create "
            "cross current current_date current_time current_timestamp database default deferrable "
            "deferred delete desc detach distinct do drop each else end escape except exclude exclusive "
            "exists explain fail filter first following for foreign from full generated glob group groups "
            "having if ignore immediate in index indexed initially inner insert instead intersect into is "
            "isnull join key last left like limit match materialized natural no not nothing notnull null "
            "nulls of offset on or order others outer over partition plan pragma preceding primary query "
            "raise range recursive references regexp reindex release rename replace restrict returning "
            "right rollback row rows savepoint select set table temp temporary then ties to transaction "
            "trigger unbounded union unique update using vacuum values view virtual when where window "
            "with without");
        const QStringList words = list.split(u' ');
        return QSet<QString>(words.begin(), words.end());
    }();
    return keywords.contains(name.toLower());
}

bool isPlainName(const QString& name) {
    if (name.isEmpty() || name.front().isDigit())
        return false;
    for (QChar c : name) {
        if (!c.isLetterOrNumber() && c != u'_')
            return false;
    }
    return true;
}

}  // namespace

QString SqliteWriter::quotedName(const QString& name) const {
    if (isPlainName(name) && !isSqliteKeyword(name))
        return name;
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return QStringLiteral("\"%1\"").arg(quoted);
}

QString SqliteWriter::placeholder(int) const {
    return QStringLiteral("?");
}

void SqliteWriter::writeLeft(const Expression& text, const Expression& count) {
    append(u"substr(");
    writeExpression(text);
    append(u",1,");
    writeExpression(count);
    append(u")");
}

// right(x,n) is substr(x,-n,n): counting from the end, and empty for n = 0 where substr(x,-0)
// would give the whole text.
void SqliteWriter::writeRight(const Expression& text, const Expression& count) {
    append(u"substr(");
    writeExpression(text);
    append(u",-(");
    writeExpression(count);
    append(u"),");
    writeExpression(count);
    append(u")");
}

// charindex(needle, haystack) is instr(haystack, needle).
void SqliteWriter::writeCharindex(const Expression& needle, const Expression& haystack) {
    append(u"instr(");
    writeExpression(haystack);
    append(u",");
    writeExpression(needle);
    append(u")");
}

}  // namespace dialect
