#include "shell/notice.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include "shell/notice_window.h"
#include "shell/prompter.h"
#include "shell/wait.h"

namespace {

class RecordingPrompter : public Prompter {
public:
    QStringList errors;
    void error(const QString& text) override { errors << text; }
    void information(const QString&) override {}
    bool question(const QString&) override { return false; }
};

void waitUntil(const std::function<bool()>& done, int limitMs = 5000) {
    for (int waited = 0; waited < limitMs && !done(); waited += 15) WaitMillis(15);
}

TEST(Notice, EmptyTextIsRefusedWithAnError) {
    RecordingPrompter prompter;
    SetAppPrompter(&prompter);
    EXPECT_EQ(ShowNotice(kNoticeError, QString()), nullptr);
    SetAppPrompter(nullptr);
    EXPECT_EQ(prompter.errors, QStringList{QStringLiteral("信息内容不能为空！")});
}

TEST(Notice, SlidesInToTheBottomRightCorner) {
    QPointer<NoticeWindow> notice = ShowNotice(kNoticeInfo, QStringLiteral("数据通道已接通！"));
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->windowTitle(), u"系统信息");
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(notice->geometry().right(), area.right() - 5);
    waitUntil([&] { return notice->phase() == NoticeWindow::Phase::Showing; });
    EXPECT_EQ(notice->geometry().bottom(), area.bottom());
    notice->close();
}

TEST(Notice, LongTextMakesATallerNotice) {
    QPointer<NoticeWindow> shortOne = ShowNotice(kNoticeWarning, QStringLiteral("短"));
    QPointer<NoticeWindow> longOne = ShowNotice(kNoticeWarning, QString(400, QChar(u'长')));
    EXPECT_GT(longOne->height(), shortOne->height());
    shortOne->close();
    longOne->close();
}

TEST(Notice, NoticesShownTogetherStackInsteadOfCovering) {
    QPointer<NoticeWindow> first = ShowNotice(kNoticeError, QStringLiteral("一"));
    QPointer<NoticeWindow> second = ShowNotice(kNoticeWarning, QStringLiteral("二"));
    EXPECT_LT(second->restingTop() + second->height(), first->restingTop() + 1);
    first->close();
    second->close();
}

TEST(Notice, SlideStepsGrowWithEachTick) {
    EXPECT_EQ(NoticeWindow::slideStep(0), 1);
    EXPECT_EQ(NoticeWindow::slideStep(3), 1);
    EXPECT_EQ(NoticeWindow::slideStep(4), 2);
    EXPECT_EQ(NoticeWindow::slideStep(11), 4);
}

TEST(Notice, DisplayTimeBelowSixSecondsCountsAsFive) {
    NoticeWindow::setDisplayMillis(2000);
    EXPECT_EQ(NoticeWindow::displayMillis(), 5000);
    NoticeWindow::setDisplayMillis(8000);
    EXPECT_EQ(NoticeWindow::displayMillis(), 8000);
    NoticeWindow::setDisplayMillis(0);
}

TEST(Notice, AClickSendsItAwayBeforeItsTimeIsOver) {
    QPointer<NoticeWindow> notice = ShowNotice(kNoticeInfo, QStringLiteral("点我"));
    waitUntil([&] { return notice->phase() == NoticeWindow::Phase::Showing; });
    QTest::mouseClick(notice.data(), Qt::LeftButton);
    EXPECT_EQ(notice->phase(), NoticeWindow::Phase::SlidingOut);
    waitUntil([&] { return notice.isNull(); }, 3000);  // well before the five seconds
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(notice.isNull());
}

}  // namespace
