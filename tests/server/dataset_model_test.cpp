#include "server/dataset_model.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "server/client_dataset.h"
#include "tests/support/qt_print.h"

namespace {

using wire::FieldType;

wire::DataSet fares() {
    wire::DataSet data;
    data.fields = {{QStringLiteral("站点名称"), FieldType::Text},
                   {QStringLiteral("全票价"), FieldType::Money},
                   {QStringLiteral("里程"), FieldType::Integer}};
    data.rows = {{QStringLiteral("广州"), qint64(125000), qint64(160)},
                 {QStringLiteral("深圳"), qint64(800000), QVariant()},
                 {QStringLiteral("东莞"), qint64(-1), qint64(90)}};
    return data;
}

TEST(DataSetModel, ShowsFieldNamesAndCellTexts) {
    ClientDataSet set;
    set.assign(fares());
    DataSetModel model(set);
    ASSERT_EQ(model.columnCount(), 3);
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), u"站点名称");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), u"全票价");
    EXPECT_EQ(model.headerData(2, Qt::Vertical).toInt(), 3);

    EXPECT_EQ(model.data(model.index(0, 1)).toString(), u"12.5");
    EXPECT_EQ(model.data(model.index(1, 1)).toString(), u"80");
    EXPECT_EQ(model.data(model.index(2, 1)).toString(), u"-0.0001");
    EXPECT_EQ(model.data(model.index(1, 2)).toString(), QString());
    EXPECT_EQ(model.data(model.index(1, 0)).toString(), u"深圳");
    EXPECT_TRUE(model.data(model.index(0, 1), Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
    EXPECT_TRUE(model.data(model.index(0, 0), Qt::TextAlignmentRole).toInt() & Qt::AlignLeft);

    EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsSelectable);
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
}

TEST(DataSetModel, FollowsTheFilterEditsAndCursorOfItsDataSet) {
    ClientDataSet set;
    set.assign(fares());
    DataSetModel model(set);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy cursor(&model, &DataSetModel::cursorRowChanged);

    set.setFilter([](const RecordView& row) { return row.money(QStringLiteral("全票价")) > Money(); });
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(model.rowCount(), 2);

    model.moveCursorTo(model.index(1, 0));
    EXPECT_EQ(set.text(QStringLiteral("站点名称")), u"深圳");
    EXPECT_EQ(model.cursorRow(), 1);
    ASSERT_FALSE(cursor.isEmpty());
    EXPECT_EQ(cursor.last().at(0).toInt(), 1);

    set.clearFilter();
    set.setRecNo(3);
    set.edit();
    set.setMoney(QStringLiteral("全票价"), Money::fromYuan(30));
    set.post();
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.first().at(0).value<QModelIndex>().row(), 2);
    EXPECT_EQ(model.data(model.index(2, 1)).toString(), u"30");

    set.close();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 0);
    EXPECT_EQ(model.cursorRow(), -1);
}

}  // namespace
