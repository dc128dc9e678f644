#include "printing/preview_at_once_form.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

#include "printing/print_at_once.h"
#include "tests/printing/fake_print_services.h"

namespace {

class PreviewTest : public testing::Test {
  protected:
    PreviewTest() {
        PrintAtOnceServices services;
        services.printers = &printers;
        services.notices = [this](int, const QString& text) { notices << text; };
        engine = std::make_unique<TPrintAtOnce>(nullptr, std::move(services));
    }

    FakePrinterSystem printers;
    QStringList notices;
    std::unique_ptr<TPrintAtOnce> engine;
};

TEST_F(PreviewTest, ShowsThePageAndZoomsInStepsOfOneAndAHalf) {
    engine->NewPage(1200, 300);
    engine->DrawBox(10, 10, 1190, 290, kInkColour);
    TPreviewAtOnceForm form(*engine);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("打印预览"));
    EXPECT_EQ(form.Image1()->pixmap().toImage().convertToFormat(QImage::Format_RGB32), engine->PageImage());
    form.ZoomInButton()->click();
    EXPECT_EQ(form.Image1()->pixmap().size(), QSize(1275, 320));
    form.ZoomOutButton()->click();
    form.ZoomOutButton()->click();
    EXPECT_EQ(form.Image1()->pixmap().size(), QSize(567, 142));
}

TEST_F(PreviewTest, ZoomStopsAtItsLimits) {
    engine->NewPage(20, 20);  // 14 × 14 pixels, so zooming in reaches the factor limit
    TPreviewAtOnceForm form(*engine);
    while (form.ZoomInButton()->isEnabled())
        form.ZoomInButton()->click();
    EXPECT_GE(form.zoom(), PreviewZoom::kLargest);
    EXPECT_LT(form.zoom(), PreviewZoom::kLargest * PreviewZoom::kStep);
    while (form.ZoomOutButton()->isEnabled())
        form.ZoomOutButton()->click();
    EXPECT_LE(form.zoom(), PreviewZoom::kSmallest);
    EXPECT_EQ(form.Image1()->pixmap().size(), QSize(1, 1));
}

TEST_F(PreviewTest, LargePagesStopZoomingBeforeThePictureGetsHuge) {
    engine->NewPage(1200, 300);
    TPreviewAtOnceForm form(*engine);
    while (form.ZoomInButton()->isEnabled())
        form.ZoomInButton()->click();
    EXPECT_LE(form.Image1()->pixmap().width(), PreviewZoom::kLargestPicture);
    EXPECT_LT(form.zoom(), PreviewZoom::kLargest);
}

TEST_F(PreviewTest, PrintButtonPrintsThroughTheDriverAndCloses) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("preview.pdf"));
    engine->setUsePrinter(pdf);
    engine->NewPage(1200, 300);
    TPreviewAtOnceForm form(*engine);
    form.show();
    form.PrintButton()->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(notices.isEmpty()) << notices.join(u'\n').toStdString();
}

TEST_F(PreviewTest, WithoutAPageNothingCanBePrinted) {
    TPreviewAtOnceForm form(*engine);
    EXPECT_FALSE(form.PrintButton()->isEnabled());
    EXPECT_FALSE(form.ZoomInButton()->isEnabled());
    EXPECT_EQ(form.Image1()->text(), QStringLiteral("没有可预览的页面"));
}

}  // namespace
