#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>

#include "common/money.h"
#include "protocol/dataset.h"
#include "server/record_view.h"
#include "server/row_changes.h"

class AppServer;

// Rows fetched from one provider of the application server, with a cursor, a filter, a search,
// local save and load, and edits that are kept until they are sent back with applyUpdates.
//
// The cursor moves over the rows the filter lets through. recNo() counts them from 1 (0 when there
// are none). first() sets bof(), last() sets eof(); next() at the last row and prior() at the first
// leave the cursor where it is and set eof() or bof(), so `first(); while (!eof()) { ...; next(); }`
// visits every row once.
//
// Field access reads the current row (or the row being edited); on an empty set it reads null
// cells. A field name that the set does not have throws std::out_of_range; editing calls made in
// the wrong state throw std::logic_error.
class ClientDataSet : public QObject {
    Q_OBJECT
public:
    using RowFilter = std::function<bool(const RecordView&)>;
    enum class State { Inactive, Browse, Edit, Insert };

    explicit ClientDataSet(QString providerName = QString(), QObject* parent = nullptr);

    const QString& providerName() const { return providerName_; }
    void setProviderName(const QString& name) { providerName_ = name; }
    // The statement a command-text provider runs; fixed providers ignore it.
    const QString& commandText() const { return commandText_; }
    void setCommandText(const QString& text) { commandText_ = text; }

    // Fetches the rows; edits not yet applied are dropped. The cursor goes to the first row.
    void open(AppServer& server);
    // Fetches again and keeps the cursor on the same row number where there still is one.
    void refresh(AppServer& server);
    void close();
    // Opens the set with rows that did not come from the server (a local table).
    void assign(wire::DataSet data);
    // Every row as it now is, filter ignored.
    wire::DataSet toDataSet() const;

    State state() const { return state_; }
    bool isActive() const { return state_ != State::Inactive; }
    const QList<wire::Field>& fields() const { return fields_; }
    int recordCount() const { return static_cast<int>(visible_.size()); }
    bool isEmpty() const { return visible_.isEmpty(); }

    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    int recNo() const { return cursor_ + 1; }
    // Moves to row number n (from 1); false, and no move, when there is no such row.
    bool setRecNo(int n);

    RecordView current() const;
    // A visible row by its position (from 0), for grids.
    RecordView rowAt(int position) const;
    QVariant value(const QString& field) const { return current().value(field); }
    QString text(const QString& field) const { return current().text(field); }
    Money money(const QString& field) const { return current().money(field); }
    qint64 integer(const QString& field) const { return current().integer(field); }
    bool boolean(const QString& field) const { return current().boolean(field); }

    // Shows only the rows the predicate accepts; the cursor goes to the first of them.
    void setFilter(RowFilter filter);
    void clearFilter();
    bool isFiltered() const { return static_cast<bool>(filter_); }

    // Looks among the visible rows for the first whose field equals value exactly, letter case
    // ignored. With keepPosition the cursor stays on the row found; otherwise, and when nothing is
    // found, the cursor stays where it was. Nothing is redrawn during the search.
    bool FindRecord(const QString& field, bool keepPosition, const QString& value);

    // The rows (without pending edits' history) as CBOR in a file; false when it cannot be
    // written, or read back as a dataset.
    bool saveToFile(const QString& path) const;
    bool loadFromFile(const QString& path);

    // Editing: edit() or insert() starts, setValue()/setMoney() change the buffer, post() keeps
    // it, cancel() drops it. insert() adds an empty row before the current one. setValue() on a
    // money field takes ten-thousandths as a whole number, or an amount as a decimal text
    // ("12.5"); anything else there throws std::invalid_argument.
    void edit();
    void insert();
    void setValue(const QString& field, const QVariant& value);
    void setMoney(const QString& field, Money value);
    void post();
    void cancel();
    void deleteRecord();

    bool hasPendingChanges() const;
    // Deleted and modified rows are identified by the values they had when they were read.
    RowChanges pendingChanges() const;
    // Sends the pending changes through the provider; once the server took them they are no
    // longer pending. Rows affected.
    int applyUpdates(AppServer& server);

signals:
    void aboutToReset();
    void reset();
    // The values of the visible row at this position changed.
    void rowChanged(int position);
    // The cursor moved to the visible row at this position (-1: no row).
    void cursorMoved(int position);

private:
    enum class Change { None, Modified, Inserted };
    struct Row {
        QList<QVariant> values;
        QList<QVariant> original;  // as read, for a modified row
        Change change = Change::None;
    };

    void replaceRows(wire::DataSet data);
    void rebuildVisible();
    // Rebuilds the visible rows and puts the cursor on preferredRow when it is visible, otherwise on
    // fallbackPosition (or the last row).
    void resetVisible(int preferredRow, int fallbackPosition);
    void moveTo(int position);
    void requireBrowse(const char* action) const;
    void requireEditing(const char* action) const;
    QCborMap rowMap(const QList<QVariant>& cells) const;

    QString providerName_;
    QString commandText_;
    State state_ = State::Inactive;
    QList<wire::Field> fields_;
    QList<Row> rows_;
    QList<int> visible_;  // indexes into rows_ that pass the filter, in order
    RowFilter filter_;
    int cursor_ = -1;  // position in visible_
    bool bof_ = true;
    bool eof_ = true;
    QList<QVariant> buffer_;          // the row being edited or inserted
    int insertAt_ = 0;                // where in rows_ an inserted row goes
    QList<QList<QVariant>> deleted_;  // originals of deleted rows that came from the server
};
