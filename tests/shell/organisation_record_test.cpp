#include <gtest/gtest.h>

#include "server/client_dataset.h"
#include "server/schema_names.h"
#include "shell/organisation_record.h"
#include "tests/shell/logged_in_desk.h"
#include "tests/support/qt_print.h"

namespace {

TEST(OrganisationRecord, AnEmptyTableGetsItsRowAndTheTenBoxesAreWrittenAsTyped) {
    ServerFixture fixture;
    ASSERT_TRUE(fixture.started()) << fixture.failure().toStdString();
    LoggedInDesk admin(fixture, ServerFixture::kAdminCode, ServerFixture::kAdminPassword);
    ClientDataSet depinf(provider::Department);
    OrganisationRecord record(admin.server, depinf);

    QStringList values = record.load();
    ASSERT_EQ(values.size(), 10);
    EXPECT_EQ(values.first(), u"**汽车站");

    values[0] = QStringLiteral("O'Hare 客运站");
    values[6] = QStringLiteral("0791-8888");
    record.save(values);
    const QStringList stored = record.load();
    EXPECT_EQ(stored, values);
    EXPECT_EQ(admin.server.open(provider::Department).rows.size(), 1);
}

}  // namespace
