#include <gtest/gtest.h>

#include <QLineEdit>

#include "shell/Tlockform.h"

namespace {

TEST(LockScreen, OnlyTheOperatorsPasswordClosesIt) {
    QStringList tried;
    Tlockform lock([&](const QString& typed) {
        tried << typed;
        return typed == u"1234";
    });
    lock.show();
    lock.reject();
    EXPECT_FALSE(lock.close());
    EXPECT_TRUE(lock.isVisible());

    lock.Edit1->setText(QStringLiteral("4321"));
    lock.Edit1Enter();
    EXPECT_TRUE(lock.isVisible());
    EXPECT_TRUE(lock.Edit1->text().isEmpty());

    lock.Edit1->setText(QStringLiteral("1234"));
    lock.Edit1Enter();
    EXPECT_FALSE(lock.isVisible());
    EXPECT_EQ(lock.result(), QDialog::Accepted);
    EXPECT_EQ(tried, (QStringList{QStringLiteral("4321"), QStringLiteral("1234")}));
}

}  // namespace
