#include "server/client_dataset.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

#include "tests/support/qt_print.h"

namespace {

using wire::FieldType;

// Four trips; the fare is money, one bay is null.
wire::DataSet trips() {
    wire::DataSet data;
    data.fields = {
        {QStringLiteral("车次"), FieldType::Text},    {QStringLiteral("到站"), FieldType::Text},
        {QStringLiteral("全票价"), FieldType::Money}, {QStringLiteral("座位数"), FieldType::Integer},
        {QStringLiteral("停开"), FieldType::Bool},    {QStringLiteral("卡位"), FieldType::Text}};
    data.rows = {
        {QStringLiteral("8003"), QStringLiteral("广州"), qint64(125000), qint64(45), false,
         QStringLiteral("A1")},
        {QStringLiteral("A100"), QStringLiteral("深圳"), qint64(1005), qint64(33), true, QVariant()},
        {QStringLiteral("8005"), QStringLiteral("广州"), qint64(800000), qint64(51), false,
         QStringLiteral("B2")},
        {QStringLiteral("a101"), QStringLiteral("O'Hare 东莞"), qint64(-5), qint64(0), false,
         QStringLiteral("C3")},
    };
    return data;
}

QStringList tripCodesInOrder(ClientDataSet& set) {
    QStringList codes;
    for (set.first(); !set.eof(); set.next())
        codes << set.text(QStringLiteral("车次"));
    return codes;
}

TEST(ClientDataSet, CursorWalksEveryRowOnceAndStopsAtTheEnds) {
    ClientDataSet set;
    set.assign(trips());
    EXPECT_EQ(tripCodesInOrder(set), (QStringList{"8003", "A100", "8005", "a101"}));
    EXPECT_EQ(set.recNo(), 4);  // next() at the last row stays there

    set.last();
    EXPECT_TRUE(set.eof());
    EXPECT_FALSE(set.bof());
    set.prior();
    EXPECT_FALSE(set.eof());
    EXPECT_EQ(set.recNo(), 3);
    set.first();
    EXPECT_TRUE(set.bof());
    set.prior();
    EXPECT_TRUE(set.bof());
    EXPECT_EQ(set.recNo(), 1);

    EXPECT_TRUE(set.setRecNo(2));
    EXPECT_EQ(set.text(QStringLiteral("车次")), u"A100");
    EXPECT_FALSE(set.setRecNo(5));
    EXPECT_FALSE(set.setRecNo(0));
    EXPECT_EQ(set.recNo(), 2);
}

TEST(ClientDataSet, EmptySetIsAtBothEndsAndReadsNullCells) {
    ClientDataSet set;
    wire::DataSet none = trips();
    none.rows.clear();
    set.assign(none);
    set.first();
    EXPECT_TRUE(set.bof());
    EXPECT_TRUE(set.eof());
    EXPECT_EQ(set.recNo(), 0);
    EXPECT_EQ(set.text(QStringLiteral("车次")), QString());
    EXPECT_EQ(set.money(QStringLiteral("全票价")), Money());
    EXPECT_THROW(set.edit(), std::logic_error);
    EXPECT_THROW(set.deleteRecord(), std::logic_error);
}

TEST(ClientDataSet, FieldsAreReadByNameWithTheirConversions) {
    ClientDataSet set;
    set.assign(trips());
    EXPECT_EQ(set.money(QStringLiteral("全票价")), Money::fromUnits(125000));
    EXPECT_EQ(set.text(QStringLiteral("全票价")), u"12.5");
    EXPECT_EQ(set.integer(QStringLiteral("座位数")), 45);
    EXPECT_FALSE(set.boolean(QStringLiteral("停开")));
    EXPECT_EQ(set.text(QStringLiteral("停开")), u"0");
    EXPECT_THROW(set.text(QStringLiteral("没有")), std::out_of_range);
    set.next();
    EXPECT_TRUE(set.boolean(QStringLiteral("停开")));
    EXPECT_EQ(set.text(QStringLiteral("卡位")), QString());  // null
    EXPECT_EQ(set.text(QStringLiteral("全票价")), u"0.1005");
}

TEST(ClientDataSet, MoneyIsReadFromWhateverColumnTypeCarriesIt) {
    struct Case {
        FieldType type;
        QVariant cell;
        Money expected;
    };
    const Case cases[] = {
        {FieldType::Money, qint64(125000), Money::fromUnits(125000)},
        {FieldType::Integer, qint64(12), Money::fromYuan(12)},
        {FieldType::Text, QStringLiteral("12.5"), Money::fromUnits(125000)},
        {FieldType::Real, 0.1, Money::fromUnits(1000)},  // no binary residue
        {FieldType::Real, -2.25, Money::fromUnits(-22500)},
        {FieldType::Text, QVariant(), Money()},
        {FieldType::Money, QStringLiteral("3.5"), Money::fromUnits(35000)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RecordView::cellMoney(c.type, c.cell), c.expected) << c.cell.toString().toStdString();
    }
    ClientDataSet set;
    set.assign({{{QStringLiteral("Name"), FieldType::Text}}, {{QStringLiteral("x")}}});
    EXPECT_EQ(set.text(QStringLiteral("NAME")), u"x");  // names ignore letter case
}

TEST(ClientDataSet, FilterShowsMatchingRowsAndStartsAtTheFirst) {
    ClientDataSet set;
    set.assign(trips());
    set.setRecNo(4);
    set.setFilter([](const RecordView& row) { return row.text(QStringLiteral("到站")) == u"广州"; });
    EXPECT_TRUE(set.isFiltered());
    EXPECT_EQ(set.recNo(), 1);
    EXPECT_EQ(set.recordCount(), 2);
    EXPECT_EQ(tripCodesInOrder(set), (QStringList{"8003", "8005"}));

    set.setFilter(
        [](const RecordView& row) { return row.money(QStringLiteral("全票价")) > Money::fromYuan(100); });
    EXPECT_EQ(set.recordCount(), 0);
    EXPECT_TRUE(set.eof());

    set.clearFilter();
    EXPECT_FALSE(set.isFiltered());
    EXPECT_EQ(set.recordCount(), 4);
}

TEST(ClientDataSet, FindRecordMatchesExactlyIgnoringCaseAndKeepsOrRestoresTheCursor) {
    struct Case {
        const char* field;
        QString value;
        bool keepPosition;
        bool found;
        int recNoAfter;
    };
    const Case cases[] = {
        {"车次", QStringLiteral("A101"), true, true, 4},    // letter case ignored
        {"车次", QStringLiteral("a100"), false, true, 2},   // found, cursor back on row 2
        {"车次", QStringLiteral("A10"), true, false, 2},    // a prefix is not a match
        {"车次", QStringLiteral("8003 "), true, false, 2},  // nor is a padded text
        {"到站", QStringLiteral("广州"), true, true, 1},    // the first of two matches
        {"到站", QStringLiteral("o'hare 东莞"), true, true, 4},
        {"全票价", QStringLiteral("80"), true, true, 3},  // money by its decimal text
        {"卡位", QString(), true, true, 2},               // a null cell reads as empty
    };
    for (const Case& c : cases) {
        ClientDataSet set;
        set.assign(trips());
        set.setRecNo(2);
        EXPECT_EQ(set.FindRecord(QString::fromUtf8(c.field), c.keepPosition, c.value), c.found)
            << c.value.toStdString();
        EXPECT_EQ(set.recNo(), c.recNoAfter) << c.value.toStdString();
    }
}

TEST(ClientDataSet, FindRecordOnAnEmptyOrFilteredSet) {
    ClientDataSet set;
    wire::DataSet none = trips();
    none.rows.clear();
    set.assign(none);
    EXPECT_FALSE(set.FindRecord(QStringLiteral("车次"), true, QString()));

    set.assign(trips());
    set.setFilter([](const RecordView& row) { return row.text(QStringLiteral("到站")) == u"广州"; });
    EXPECT_FALSE(
        set.FindRecord(QStringLiteral("车次"), true, QStringLiteral("A100")));  // hidden by the filter
    EXPECT_TRUE(set.FindRecord(QStringLiteral("车次"), true, QStringLiteral("8005")));
    EXPECT_EQ(set.recNo(), 2);
    EXPECT_THROW(set.FindRecord(QStringLiteral("没有"), true, QStringLiteral("x")), std::out_of_range);
}

TEST(ClientDataSet, SavedFileLoadsBackTheSameRows) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trips.cds"));
    ClientDataSet saved;
    saved.assign(trips());
    saved.setFilter([](const RecordView& row) { return row.boolean(QStringLiteral("停开")); });
    ASSERT_TRUE(saved.saveToFile(path));  // the filter does not limit what is saved

    ClientDataSet loaded;
    ASSERT_TRUE(loaded.loadFromFile(path));
    const wire::DataSet back = loaded.toDataSet();
    EXPECT_EQ(back.fields, trips().fields);
    EXPECT_EQ(back.rows, trips().rows);
    loaded.setRecNo(4);
    EXPECT_EQ(loaded.text(QStringLiteral("到站")), u"O'Hare 东莞");
    EXPECT_EQ(loaded.money(QStringLiteral("全票价")), Money::fromUnits(-5));
}

TEST(ClientDataSet, UnreadableFileLeavesTheSetAsItWas) {
    QTemporaryDir dir;
    const QString garbage = dir.filePath(QStringLiteral("garbage.cds"));
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xff\x00not cbor", 10);
    file.close();

    ClientDataSet set;
    set.assign(trips());
    EXPECT_FALSE(set.loadFromFile(garbage));
    EXPECT_FALSE(set.loadFromFile(dir.filePath(QStringLiteral("missing.cds"))));
    EXPECT_FALSE(set.saveToFile(dir.filePath(QStringLiteral("no/such/folder/x.cds"))));
    EXPECT_EQ(set.recordCount(), 4);
}

TEST(ClientDataSet, EditsAreRememberedWithTheOriginalValuesAsKey) {
    ClientDataSet set;
    set.assign(trips());
    set.edit();
    set.setValue(QStringLiteral("到站"), QStringLiteral("佛山"));
    EXPECT_EQ(set.text(QStringLiteral("到站")), u"佛山");  // reads the row being edited
    set.post();
    set.edit();  // a second edit of the same row keeps the first original
    set.setMoney(QStringLiteral("全票价"), Money::fromYuan(13));
    set.post();

    set.setRecNo(3);
    set.deleteRecord();
    EXPECT_EQ(set.recordCount(), 3);
    EXPECT_EQ(set.text(QStringLiteral("车次")), u"a101");  // the next row takes its place

    set.setRecNo(2);
    set.edit();
    set.setValue(QStringLiteral("座位数"), qint64(33));                // the same value again: no change
    set.setValue(QStringLiteral("全票价"), QStringLiteral("0.1005"));  // an amount as text: the same
    EXPECT_THROW(set.setValue(QStringLiteral("全票价"), QStringLiteral("12,5")), std::invalid_argument);
    set.post();

    const RowChanges changes = set.pendingChanges();
    ASSERT_EQ(changes.modified.size(), 1);
    EXPECT_EQ(changes.modified[0].original.value(QStringLiteral("到站")).toString(), u"广州");
    EXPECT_EQ(changes.modified[0].original.value(QStringLiteral("全票价")).toInteger(), 125000);
    EXPECT_EQ(changes.modified[0].changed.size(), 2);
    EXPECT_EQ(changes.modified[0].changed.value(QStringLiteral("到站")).toString(), u"佛山");
    EXPECT_EQ(changes.modified[0].changed.value(QStringLiteral("全票价")).toInteger(), 130000);
    ASSERT_EQ(changes.deleted.size(), 1);
    EXPECT_EQ(changes.deleted[0].value(QStringLiteral("车次")).toString(), u"8005");
    EXPECT_TRUE(changes.inserted.isEmpty());
}

TEST(ClientDataSet, DeletingAnEditedRowSendsItsOriginalAndAnInsertedRowVanishes) {
    ClientDataSet set;
    set.assign(trips());
    set.edit();
    set.setValue(QStringLiteral("车次"), QStringLiteral("9999"));
    set.post();
    set.deleteRecord();

    set.setRecNo(2);
    set.insert();
    set.setValue(QStringLiteral("车次"), QStringLiteral("N001"));
    set.post();
    EXPECT_EQ(set.text(QStringLiteral("车次")), u"N001");
    EXPECT_EQ(set.recNo(), 2);  // before the row that was current
    set.setRecNo(3);
    EXPECT_EQ(set.text(QStringLiteral("车次")), u"8005");

    set.insert();
    set.setValue(QStringLiteral("车次"), QStringLiteral("N002"));
    set.post();
    set.deleteRecord();

    set.setRecNo(1);
    set.insert();
    set.cancel();

    const RowChanges changes = set.pendingChanges();
    ASSERT_EQ(changes.deleted.size(), 1);
    EXPECT_EQ(changes.deleted[0].value(QStringLiteral("车次")).toString(), u"8003");
    ASSERT_EQ(changes.inserted.size(), 1);
    EXPECT_EQ(changes.inserted[0].value(QStringLiteral("车次")).toString(), u"N001");
    EXPECT_TRUE(changes.inserted[0].value(QStringLiteral("到站")).isNull());
    EXPECT_TRUE(changes.modified.isEmpty());
    EXPECT_EQ(set.recordCount(), 4);
}

TEST(ClientDataSet, EditingCallsInTheWrongStateAreRefused) {
    ClientDataSet set;
    EXPECT_THROW(set.insert(), std::logic_error);  // not open
    set.assign(trips());
    EXPECT_THROW(set.setValue(QStringLiteral("车次"), QStringLiteral("x")), std::logic_error);
    EXPECT_THROW(set.post(), std::logic_error);
    set.edit();
    EXPECT_THROW(set.next(), std::logic_error);
    EXPECT_THROW(set.setValue(QStringLiteral("没有"), 1), std::out_of_range);
    set.cancel();
    EXPECT_FALSE(set.hasPendingChanges());
}

}  // namespace
