#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;

// "系统提示": shown while the server summarises the day's data. Closes itself after twenty colour
// changes (12 s) or when the server reports the summary finished.
class SummaryNoticeWindow : public QDialog {
    Q_OBJECT
public:
    explicit SummaryNoticeWindow(QWidget* parent = nullptr);

    // "开始数据汇总，请等稍后..." before 23:53.00, "即将启动汇总功能..." from then on.
    static QString secondLine(const QString& clockHHNNSS);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void blink();

    QLabel* first_;
    QLabel* second_;
    QTimer blinkTimer_;
    int blinks_ = 0;
};
