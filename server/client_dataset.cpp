#include "server/client_dataset.h"

#include <QCborValue>
#include <QFile>
#include <QSaveFile>
#include <stdexcept>

#include "server/app_server.h"

ClientDataSet::ClientDataSet(QString providerName, QObject* parent)
    : QObject(parent), providerName_(std::move(providerName)) {}

void ClientDataSet::requireBrowse(const char* action) const {
    if (state_ == State::Edit || state_ == State::Insert) {
        throw std::logic_error(std::string(action) + ": a row is being edited; post or cancel it first");
    }
}

void ClientDataSet::requireEditing(const char* action) const {
    if (state_ != State::Edit && state_ != State::Insert) {
        throw std::logic_error(std::string(action) + ": no row is being edited");
    }
}

void ClientDataSet::rebuildVisible() {
    visible_.clear();
    for (int i = 0; i < rows_.size(); ++i) {
        if (!filter_ || filter_(RecordView(fields_, rows_[i].values)))
            visible_.append(i);
    }
}

void ClientDataSet::moveTo(int position) {
    if (position == cursor_)
        return;
    cursor_ = position;
    emit cursorMoved(cursor_);
}

void ClientDataSet::resetVisible(int preferredRow, int fallbackPosition) {
    emit aboutToReset();
    rebuildVisible();
    cursor_ = static_cast<int>(visible_.indexOf(preferredRow));
    if (cursor_ < 0)
        cursor_ = qMin(fallbackPosition, recordCount() - 1);
    bof_ = cursor_ <= 0;
    eof_ = visible_.isEmpty();
    emit reset();
    emit cursorMoved(cursor_);
}

void ClientDataSet::replaceRows(wire::DataSet data) {
    fields_ = std::move(data.fields);
    rows_.clear();
    rows_.reserve(data.rows.size());
    for (QList<QVariant>& cells : data.rows)
        rows_.append(Row{std::move(cells), {}, Change::None});
    deleted_.clear();
    buffer_.clear();
    state_ = State::Browse;
    resetVisible(-1, 0);
}

void ClientDataSet::open(AppServer& server) {
    replaceRows(server.open(providerName_, commandText_));
}

void ClientDataSet::refresh(AppServer& server) {
    const int position = cursor_;
    replaceRows(server.open(providerName_, commandText_));
    if (position > 0 && position < recordCount()) {
        bof_ = false;
        moveTo(position);
    }
}

void ClientDataSet::close() {
    emit aboutToReset();
    fields_.clear();
    rows_.clear();
    visible_.clear();
    deleted_.clear();
    buffer_.clear();
    state_ = State::Inactive;
    cursor_ = -1;
    bof_ = eof_ = true;
    emit reset();
    emit cursorMoved(cursor_);
}

void ClientDataSet::assign(wire::DataSet data) {
    replaceRows(std::move(data));
}

wire::DataSet ClientDataSet::toDataSet() const {
    wire::DataSet data;
    data.fields = fields_;
    data.rows.reserve(rows_.size());
    for (const Row& row : rows_)
        data.rows.append(row.values);
    return data;
}

void ClientDataSet::first() {
    requireBrowse("first");
    bof_ = true;
    eof_ = visible_.isEmpty();
    moveTo(visible_.isEmpty() ? -1 : 0);
}

void ClientDataSet::last() {
    requireBrowse("last");
    eof_ = true;
    bof_ = visible_.isEmpty();
    moveTo(recordCount() - 1);
}

void ClientDataSet::next() {
    requireBrowse("next");
    if (cursor_ + 1 < recordCount()) {
        bof_ = eof_ = false;
        moveTo(cursor_ + 1);
    } else {
        eof_ = true;
    }
}

void ClientDataSet::prior() {
    requireBrowse("prior");
    if (cursor_ > 0) {
        bof_ = eof_ = false;
        moveTo(cursor_ - 1);
    } else {
        bof_ = true;
    }
}

bool ClientDataSet::setRecNo(int n) {
    requireBrowse("setRecNo");
    if (n < 1 || n > recordCount())
        return false;
    bof_ = eof_ = false;
    moveTo(n - 1);
    return true;
}

RecordView ClientDataSet::current() const {
    static const QList<QVariant> kNoCells;
    if (state_ == State::Edit || state_ == State::Insert)
        return RecordView(fields_, buffer_);
    if (cursor_ < 0)
        return RecordView(fields_, kNoCells);
    return RecordView(fields_, rows_[visible_[cursor_]].values);
}

RecordView ClientDataSet::rowAt(int position) const {
    if (position < 0 || position >= recordCount())
        throw std::out_of_range("no row at this position");
    return RecordView(fields_, rows_[visible_[position]].values);
}

void ClientDataSet::setFilter(RowFilter filter) {
    requireBrowse("setFilter");
    filter_ = std::move(filter);
    resetVisible(-1, 0);
}

void ClientDataSet::clearFilter() {
    setFilter(nullptr);
}

bool ClientDataSet::FindRecord(const QString& field, bool keepPosition, const QString& value) {
    requireBrowse("FindRecord");
    if (visible_.isEmpty())
        return false;
    const int column = RecordView::requireIndex(fields_, field);
    const wire::FieldType type = fields_[column].type;
    for (int position = 0; position < recordCount(); ++position) {
        const QString cell = RecordView::cellText(type, rows_[visible_[position]].values.value(column));
        if (cell.compare(value, Qt::CaseInsensitive) != 0)
            continue;
        if (keepPosition) {
            bof_ = eof_ = false;
            moveTo(position);
        }
        return true;
    }
    return false;
}

bool ClientDataSet::saveToFile(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QCborValue(toDataSet().toCbor()).toCbor());
    return file.commit();
}

bool ClientDataSet::loadFromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QCborParserError error;
    const QCborValue content = QCborValue::fromCbor(file.readAll(), &error);
    if (error.error != QCborError::NoError || !content.isMap())
        return false;
    auto data = wire::DataSet::fromCbor(content.toMap());
    if (!data)
        return false;
    replaceRows(*std::move(data));
    return true;
}

void ClientDataSet::edit() {
    requireBrowse("edit");
    if (cursor_ < 0)
        throw std::logic_error("edit: there is no row to edit");
    buffer_ = rows_[visible_[cursor_]].values;
    state_ = State::Edit;
}

void ClientDataSet::insert() {
    requireBrowse("insert");
    if (state_ == State::Inactive)
        throw std::logic_error("insert: the dataset is not open");
    insertAt_ = cursor_ < 0 ? static_cast<int>(rows_.size()) : visible_[cursor_];
    buffer_ = QList<QVariant>(fields_.size());
    state_ = State::Insert;
}

void ClientDataSet::setValue(const QString& field, const QVariant& value) {
    requireEditing("setValue");
    const int column = RecordView::requireIndex(fields_, field);
    const bool wholeNumber = value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int;
    if (fields_[column].type != wire::FieldType::Money || value.isNull() || wholeNumber) {
        buffer_[column] = value;
        return;
    }
    // A money column holds ten-thousandths, so an amount given as a decimal text is converted
    // here rather than sent on as a text.
    const auto amount = Money::parse(
        value.typeId() == QMetaType::Double ? QString::number(value.toDouble(), 'f', 4) : value.toString());
    if (!amount)
        throw std::invalid_argument("setValue: not an amount: " + value.toString().toStdString());
    buffer_[column] = QVariant::fromValue<qint64>(amount->units());
}

void ClientDataSet::setMoney(const QString& field, Money value) {
    setValue(field, QVariant::fromValue<qint64>(value.units()));
}

void ClientDataSet::post() {
    requireEditing("post");
    int rowIndex = 0;
    if (state_ == State::Insert) {
        rowIndex = insertAt_;
        rows_.insert(rowIndex, Row{std::move(buffer_), {}, Change::Inserted});
    } else {
        rowIndex = visible_[cursor_];
        Row& row = rows_[rowIndex];
        if (row.change == Change::None) {
            row.original = row.values;
            row.change = Change::Modified;
        }
        row.values = std::move(buffer_);
    }
    const bool inserted = state_ == State::Insert;
    buffer_.clear();
    state_ = State::Browse;
    if (inserted || filter_) {
        resetVisible(rowIndex, cursor_);
    } else {
        emit rowChanged(cursor_);
    }
}

void ClientDataSet::cancel() {
    requireEditing("cancel");
    buffer_.clear();
    state_ = State::Browse;
}

void ClientDataSet::deleteRecord() {
    requireBrowse("deleteRecord");
    if (cursor_ < 0)
        throw std::logic_error("deleteRecord: there is no row to delete");
    const Row row = rows_.takeAt(visible_[cursor_]);
    if (row.change == Change::None)
        deleted_.append(row.values);
    if (row.change == Change::Modified)
        deleted_.append(row.original);
    resetVisible(-1, cursor_);
}

QCborMap ClientDataSet::rowMap(const QList<QVariant>& cells) const {
    QCborMap map;
    for (int i = 0; i < fields_.size(); ++i) {
        const QVariant cell = cells.value(i);
        map.insert(fields_[i].name,
                   cell.isNull() ? QCborValue(QCborValue::Null) : QCborValue::fromVariant(cell));
    }
    return map;
}

RowChanges ClientDataSet::pendingChanges() const {
    RowChanges changes;
    for (const QList<QVariant>& original : deleted_)
        changes.deleted.append(rowMap(original));
    for (const Row& row : rows_) {
        if (row.change == Change::Inserted)
            changes.inserted.append(rowMap(row.values));
        if (row.change != Change::Modified)
            continue;
        QCborMap changed;
        for (int i = 0; i < fields_.size(); ++i) {
            if (row.values.value(i) == row.original.value(i))
                continue;
            const QVariant cell = row.values.value(i);
            changed.insert(fields_[i].name,
                           cell.isNull() ? QCborValue(QCborValue::Null) : QCborValue::fromVariant(cell));
        }
        if (!changed.isEmpty())
            changes.modified.append({rowMap(row.original), changed});
    }
    return changes;
}

bool ClientDataSet::hasPendingChanges() const {
    return !pendingChanges().isEmpty();
}

int ClientDataSet::applyUpdates(AppServer& server) {
    requireBrowse("applyUpdates");
    const RowChanges changes = pendingChanges();
    if (changes.isEmpty())
        return 0;
    const int affected = server.applyUpdates(providerName_, changes);
    deleted_.clear();
    for (Row& row : rows_) {
        row.change = Change::None;
        row.original.clear();
    }
    return affected;
}
