#include "shell/notice_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "shell/notice.h"
#include "shell/prompter.h"

namespace {

constexpr int kWidth = 280;
constexpr int kRightMargin = 5;
constexpr int kStackGap = 4;
constexpr int kSlideIntervalMs = 15;
constexpr int kDefaultDisplayMs = 5000;

int gDisplayMillis = kDefaultDisplayMs;

// Notices on screen, oldest first; a new one rests above those still shown.
std::vector<NoticeWindow*>& liveNotices() {
    static std::vector<NoticeWindow*> notices;
    return notices;
}

struct KindLook {
    QColor from;
    QColor to;
    QStyle::StandardPixmap icon;
    const char16_t* caption;
};

KindLook lookOf(int kind) {
    switch (kind) {
        case kNoticeError:
            return {QColor(0xFF, 0xE4, 0xE1), QColor(0xF4, 0xA6, 0xA0), QStyle::SP_MessageBoxCritical, u"错误"};
        case kNoticeWarning:
            return {QColor(0xFF, 0xF8, 0xDC), QColor(0xF5, 0xD7, 0x7A), QStyle::SP_MessageBoxWarning, u"警告"};
        default:
            return {QColor(0xF0, 0xF8, 0xFF), QColor(0xA9, 0xCC, 0xEE), QStyle::SP_MessageBoxInformation, u"提示"};
    }
}

}  // namespace

NoticeWindow::NoticeWindow(int kind, const QString& text)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), kind_(kind) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("系统信息"));
    setObjectName(QStringLiteral("NoticeWindow"));

    const KindLook look = lookOf(kind);
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(look.icon).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    auto* caption = new QLabel(QStringLiteral("系统信息 - ") + QString::fromUtf16(look.caption), this);
    caption->setObjectName(QStringLiteral("caption"));
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    // Texts from the server break lines with CR LF or a bare CR.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    auto* body = new QLabel(lines, this);
    body->setObjectName(QStringLiteral("text"));
    body->setWordWrap(true);
    body->setTextFormat(Qt::PlainText);

    auto* column = new QVBoxLayout;
    column->addWidget(caption);
    column->addWidget(body);
    column->addStretch(1);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 8, 10, 10);
    row->addWidget(icon);
    row->addLayout(column, 1);

    setFixedWidth(kWidth);
    setFixedHeight(std::max(90, heightForWidth(kWidth) > 0 ? heightForWidth(kWidth) : sizeHint().height()));

    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    int restingBottom = area.bottom();
    for (NoticeWindow* other : liveNotices()) {
        restingBottom = std::min(restingBottom, other->restingTop() - kStackGap);
    }
    restingTop_ = restingBottom - height() + 1;
    hiddenTop_ = area.bottom() + 1;
    move(area.right() - kRightMargin - width() + 1, hiddenTop_);
    liveNotices().push_back(this);

    slideTimer_.setInterval(kSlideIntervalMs);
    connect(&slideTimer_, &QTimer::timeout, this, &NoticeWindow::onSlideTick);
    showTimer_.setSingleShot(true);
    connect(&showTimer_, &QTimer::timeout, this, &NoticeWindow::startSlideOut);
    slideTimer_.start();
}

NoticeWindow::~NoticeWindow() { std::erase(liveNotices(), this); }

void NoticeWindow::setDisplayMillis(int millis) { gDisplayMillis = millis < 6000 ? kDefaultDisplayMs : millis; }

int NoticeWindow::displayMillis() { return gDisplayMillis; }

int NoticeWindow::slideStep(int tick) { return 3 * tick / 11 + 1; }

void NoticeWindow::startSlideOut() {
    if (phase_ == Phase::SlidingOut) return;
    showTimer_.stop();
    phase_ = Phase::SlidingOut;
    // Shrinking steps: replay the growing steps backwards from the largest one needed.
    tick_ = 0;
    for (int covered = 0; covered < hiddenTop_ - y(); covered += slideStep(tick_)) ++tick_;
    slideTimer_.start();
}

void NoticeWindow::onSlideTick() {
    if (phase_ == Phase::SlidingIn) {
        const int top = std::max(restingTop_, y() - slideStep(tick_++));
        move(x(), top);
        if (top == restingTop_) {
            slideTimer_.stop();
            phase_ = Phase::Showing;
            showTimer_.start(gDisplayMillis);
        }
    } else if (phase_ == Phase::SlidingOut) {
        const int top = std::min(hiddenTop_, y() + slideStep(std::max(tick_--, 0)));
        move(x(), top);
        if (top >= hiddenTop_) {
            slideTimer_.stop();
            close();
        }
    }
}

void NoticeWindow::paintEvent(QPaintEvent*) {
    const KindLook look = lookOf(kind_);
    QPainter painter(this);
    QLinearGradient gradient(0, 0, width(), 0);
    gradient.setColorAt(0, look.from);
    gradient.setColorAt(1, look.to);
    painter.fillRect(rect(), gradient);
    // A raised grey frame.
    painter.setPen(QColor(0x77, 0x77, 0x77));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawLine(1, 1, width() - 2, 1);
    painter.drawLine(1, 1, 1, height() - 2);
}

void NoticeWindow::mousePressEvent(QMouseEvent*) { startSlideOut(); }

NoticeWindow* ShowNotice(int kind, const QString& text) {
    if (text.isEmpty()) {
        AppPrompter().error(QStringLiteral("信息内容不能为空！"));
        return nullptr;
    }
    auto* notice = new NoticeWindow(kind, text);
    notice->show();
    return notice;
}
