#include "shell/summary_notice.h"

#include <QDateTime>
#include <QLabel>
#include <QVBoxLayout>

#include "common/format_stamp.h"

SummaryNoticeWindow::SummaryNoticeWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("系统提示"));
    setModal(true);
    first_ = new QLabel(QStringLiteral("请稍后，\r\n系统要重新汇总数据！"), this);
    first_->setStyleSheet(QStringLiteral("color: red; font-size: 16pt;"));
    second_ = new QLabel(this);
    auto* column = new QVBoxLayout(this);
    column->addWidget(first_);
    column->addWidget(second_);
    blinkTimer_.setInterval(600);
    connect(&blinkTimer_, &QTimer::timeout, this, &SummaryNoticeWindow::blink);
}

QString SummaryNoticeWindow::secondLine(const QString& clockHHNNSS) {
    return clockHHNNSS < QStringLiteral("23:53.00") ? QStringLiteral("开始数据汇总，请等稍后...")
                                                    : QStringLiteral("即将启动汇总功能...");
}

void SummaryNoticeWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    blinks_ = 0;
    second_->setText(secondLine(FormatStamp(45, QDateTime::currentDateTime())));
    blinkTimer_.start();
}

void SummaryNoticeWindow::blink() {
    ++blinks_;
    second_->setStyleSheet(blinks_ % 2 ? QStringLiteral("color: blue;") : QStringLiteral("color: green;"));
    second_->setText(secondLine(FormatStamp(45, QDateTime::currentDateTime())));
    if (blinks_ >= 20) {
        blinkTimer_.stop();
        accept();
    }
}
