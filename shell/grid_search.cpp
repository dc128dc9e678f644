#include "shell/grid_search.h"

#include <QRegularExpression>

#include "server/client_dataset.h"

bool FindContaining(ClientDataSet& rows, const QString& field, const QString& text, bool fromFirst) {
    if (rows.isEmpty())
        return false;
    const int start = fromFirst ? 1 : rows.recNo() + 1;
    for (int row = start; row <= rows.recordCount(); ++row) {
        if (rows.rowAt(row - 1).text(field).contains(text, Qt::CaseInsensitive)) {
            rows.setRecNo(row);
            return true;
        }
    }
    return false;
}

void FilterRows(ClientDataSet& rows, const QString& field, const QString& pattern) {
    rows.clearFilter();
    if (pattern.isEmpty())
        return;
    if (pattern.compare(u"null", Qt::CaseInsensitive) == 0) {
        rows.setFilter([field](const RecordView& row) { return row.text(field).trimmed().isEmpty(); });
        return;
    }
    QStringList pieces = pattern.split(u'%');
    for (QString& piece : pieces)
        piece = QRegularExpression::escape(piece);
    const QRegularExpression match(QStringLiteral("^") + pieces.join(QStringLiteral(".*")),
                                   QRegularExpression::CaseInsensitiveOption);
    rows.setFilter([field, match](const RecordView& row) { return match.match(row.text(field)).hasMatch(); });
}
