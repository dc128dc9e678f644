#pragma once

#include <QTimer>
#include <QWidget>

// One corner notice: caption "系统信息", an icon and a caption by kind, the word-wrapped text on a
// gradient of the kind's colours. It never takes the focus and does not stay on top.
class NoticeWindow : public QWidget {
    Q_OBJECT
public:
    enum class Phase { SlidingIn, Showing, SlidingOut };

    NoticeWindow(int kind, const QString& text);
    ~NoticeWindow() override;

    // How long a notice stays fully shown; anything below six seconds counts as five.
    static void setDisplayMillis(int millis);
    static int displayMillis();
    // Pixels moved at slide tick n (n counts from 0).
    static int slideStep(int tick);

    int kind() const { return kind_; }
    Phase phase() const { return phase_; }
    // Where the notice rests when fully shown (its top edge), in screen coordinates.
    int restingTop() const { return restingTop_; }

    void startSlideOut();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void onSlideTick();

    int kind_;
    Phase phase_ = Phase::SlidingIn;
    int restingTop_ = 0;
    int hiddenTop_ = 0;
    int tick_ = 0;
    QTimer slideTimer_;
    QTimer showTimer_;
};
