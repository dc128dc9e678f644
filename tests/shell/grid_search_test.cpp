#include <gtest/gtest.h>

#include "server/client_dataset.h"
#include "shell/grid_search.h"
#include "tests/support/qt_print.h"

namespace {

// Four departures, as the grid shows them.
void fill(ClientDataSet& rows) {
    wire::DataSet data;
    data.fields = {{QStringLiteral("车次"), wire::FieldType::Text},
                   {QStringLiteral("线路名称"), wire::FieldType::Text}};
    data.rows = {{QStringLiteral("0101"), QStringLiteral("青禾-临川")},
                 {QStringLiteral("0102"), QStringLiteral("青禾-南港口")},
                 {QStringLiteral("K201"), QStringLiteral("港口快线")},
                 {QStringLiteral("0301"), QString()}};
    rows.assign(data);
}

QStringList visibleTrips(ClientDataSet& rows) {
    QStringList trips;
    for (int row = 0; row < rows.recordCount(); ++row)
        trips << rows.rowAt(row).text(QStringLiteral("车次"));
    return trips;
}

TEST(GridSearch, FindNextGoesThroughTheRowsContainingTheTextThenStops) {
    ClientDataSet rows;
    fill(rows);
    const QString route = QStringLiteral("线路名称");
    ASSERT_TRUE(FindContaining(rows, route, QStringLiteral("港口"), true));
    EXPECT_EQ(rows.text(QStringLiteral("车次")), u"0102");
    ASSERT_TRUE(FindContaining(rows, route, QStringLiteral("港口"), false));
    EXPECT_EQ(rows.text(QStringLiteral("车次")), u"K201");
    EXPECT_FALSE(FindContaining(rows, route, QStringLiteral("港口"), false));
    EXPECT_EQ(rows.text(QStringLiteral("车次")), u"K201");
    // Letter case is ignored.
    ASSERT_TRUE(FindContaining(rows, QStringLiteral("车次"), QStringLiteral("k2"), true));
    EXPECT_EQ(rows.recNo(), 3);
}

TEST(GridSearch, FilterPatternsMatchFromTheStartWithWildcardsAndNull) {
    const struct {
        const char16_t* field;
        const char16_t* pattern;
        QStringList trips;
    } cases[] = {
        {u"线路名称", u"青禾", {QStringLiteral("0101"), QStringLiteral("0102")}},
        {u"线路名称", u"港口", {QStringLiteral("K201")}},
        {u"线路名称", u"%港口", {QStringLiteral("0102"), QStringLiteral("K201")}},
        {u"线路名称", u"青禾-%港", {QStringLiteral("0102")}},
        {u"车次", u"k", {QStringLiteral("K201")}},
        {u"线路名称", u"null", {QStringLiteral("0301")}},
        {u"线路名称", u"(", {}},
        {u"线路名称",
         u"",
         {QStringLiteral("0101"), QStringLiteral("0102"), QStringLiteral("K201"), QStringLiteral("0301")}},
    };
    for (const auto& c : cases) {
        ClientDataSet rows;
        fill(rows);
        FilterRows(rows, QString::fromUtf16(c.field), QString::fromUtf16(c.pattern));
        EXPECT_EQ(visibleTrips(rows), c.trips) << QString::fromUtf16(c.pattern).toStdString();
    }
}

}  // namespace
