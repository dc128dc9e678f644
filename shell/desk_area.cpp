#include "shell/desk_area.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTableView>

namespace {

const std::array<const char16_t*, DeskArea::kPictureButtons> kCaptions = {
    u"售票登记", u"售票系统", u"检票系统", u"车次日结", u"班次管理", u"售座情况", u"暂时离开"};
// Tops of the buttons as fractions of the background's height, below the 33-pixel title strip.
constexpr std::array<double, DeskArea::kPictureButtons> kTops = {0.05357, 0.19048, 0.32738, 0.46429,
                                                                 0.60119, 0.73810, 0.875};
constexpr double kLeft = 0.79419;
constexpr double kWidth = 0.19697;
constexpr double kHeight = 0.125;

}  // namespace

PictureButton::PictureButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(QStringLiteral(
        "QPushButton { color: #12305a; font-size: 17px; font-weight: bold; border: 1px solid #7f9cc4;"
        " border-radius: 6px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfefe, stop:1 "
        "#d4e1f2); }"
        "QPushButton:hover { color: #8a1c00; border-color: #d9822b;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff8e6, stop:1 #ffd98a); }"
        "QPushButton:pressed { background: #f5c060; }"
        "QPushButton:disabled { color: #9aa5b5; background: #e8edf3; border-color: #c3ccd8; }"));
}

DeskArea::DeskArea(QWidget* parent) : QWidget(parent) {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i] = new PictureButton(
            QString::number(i + 1) + QStringLiteral(". ") + QString::fromUtf16(kCaptions[i]), this);
        buttons_[i]->setObjectName(QStringLiteral("PictureButton%1").arg(i + 1));
    }
}

void DeskArea::setGrid(QTableView* grid) {
    grid_ = grid;
    grid_->setParent(this);
    layoutChildren();
}

void DeskArea::setStationName(const QString& name) {
    stationName_ = name;
    update();
}

void DeskArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(0x2d, 0x5f, 0x9e));
    sky.setColorAt(1, QColor(0xb9, 0xd1, 0xea));
    painter.fillRect(rect(), sky);
    const int textWidth = static_cast<int>(width() * kLeft) - 40;
    QFont big = font();
    big.setPointSize(std::max(18, height() / 14));
    big.setBold(true);
    painter.setFont(big);
    painter.setPen(QColor(255, 255, 255, 235));
    painter.drawText(QRect(30, height() / 4, textWidth, height() / 5), Qt::AlignLeft | Qt::AlignVCenter,
                     stationName_.isEmpty() ? QStringLiteral("汽车站售票系统") : stationName_);
    QFont small = font();
    small.setPointSize(std::max(11, height() / 36));
    painter.setFont(small);
    painter.setPen(QColor(255, 255, 255, 190));
    painter.drawText(QRect(34, height() / 4 + height() / 5, textWidth, height() / 10),
                     Qt::AlignLeft | Qt::AlignTop, QStringLiteral("售票 · 检票 · 结算 · 调度 · 行李保管"));
}

void DeskArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutChildren();
}

void DeskArea::layoutChildren() {
    const double w = width();
    const double h = height();
    for (size_t i = 0; i < buttons_.size(); ++i) {
        // The title strip sits above this area, so the 33 pixels of its height are already spent.
        buttons_[i]->setGeometry(static_cast<int>(kLeft * w), static_cast<int>(kTops[i] * h),
                                 static_cast<int>(kWidth * w), static_cast<int>(kHeight * h) - 4);
    }
    if (grid_ != nullptr)
        grid_->setGeometry(rect());
}
