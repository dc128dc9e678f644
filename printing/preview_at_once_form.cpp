#include "printing/preview_at_once_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "printing/print_at_once.h"

namespace {

QToolButton* toolButton(const QString& text, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(text);
    return button;
}

}  // namespace

TPreviewAtOnceForm::TPreviewAtOnceForm(TPrintAtOnce& engine, QWidget* parent)
    : QDialog(parent),
      engine_(engine),
      scrollBox_(new QScrollArea(this)),
      image_(new QLabel),
      printButton_(toolButton(QStringLiteral("打印"), this)),
      zoomInButton_(toolButton(QStringLiteral("放大显示"), this)),
      zoomOutButton_(toolButton(QStringLiteral("缩小显示"), this)),
      closeButton_(toolButton(QStringLiteral("关闭"), this)) {
    setWindowTitle(QStringLiteral("打印预览"));
    image_->setObjectName(QStringLiteral("Image1"));
    scrollBox_->setWidget(image_);
    scrollBox_->setBackgroundRole(QPalette::Dark);

    auto* toolBar = new QHBoxLayout;
    for (QToolButton* button : {printButton_, zoomInButton_, zoomOutButton_, closeButton_})
        toolBar->addWidget(button);
    toolBar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(toolBar);
    layout->addWidget(scrollBox_);

    connect(printButton_, &QToolButton::clicked, this, &TPreviewAtOnceForm::PrintButtonClick);
    connect(zoomInButton_, &QToolButton::clicked, this, &TPreviewAtOnceForm::ZoomInButtonClick);
    connect(zoomOutButton_, &QToolButton::clicked, this, &TPreviewAtOnceForm::ZoomOutButtonClick);
    connect(closeButton_, &QToolButton::clicked, this, &QDialog::reject);
    RenderPage();
}

void TPreviewAtOnceForm::RenderPage() {
    zoom_.reset();
    showAtZoom();
}

void TPreviewAtOnceForm::showAtZoom() {
    const QImage& page = engine_.PageImage();
    printButton_->setEnabled(!page.isNull());
    zoomInButton_->setEnabled(!page.isNull() && zoom_.canZoomIn(page.size()));
    zoomOutButton_->setEnabled(!page.isNull() && zoom_.canZoomOut());
    if (page.isNull()) {
        image_->setText(QStringLiteral("没有可预览的页面"));
        image_->adjustSize();
        return;
    }
    image_->setPixmap(QPixmap::fromImage(page.scaled(zoom_.scaled(page.size()))));
    image_->adjustSize();
    scrollBox_->horizontalScrollBar()->setValue(0);
    scrollBox_->verticalScrollBar()->setValue(0);
}

void TPreviewAtOnceForm::PrintButtonClick() {
    engine_.SelectDriverPrinter();
    engine_.PrintPageByDriver();
    accept();
}

void TPreviewAtOnceForm::ZoomInButtonClick() {
    zoom_.zoomIn(engine_.PageImage().size());
    showAtZoom();
}

void TPreviewAtOnceForm::ZoomOutButtonClick() {
    zoom_.zoomOut();
    showAtZoom();
}
