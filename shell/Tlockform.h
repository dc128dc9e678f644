#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;

// "暂时离开-锁定": covers the desk while the operator is away. Only the operator's password, typed
// and confirmed with Enter, closes it; every other way of closing is refused.
class Tlockform : public QDialog {
    Q_OBJECT
  public:
    // `accepts` tells whether a typed text is the operator's password.
    Tlockform(std::function<bool(const QString&)> accepts, QWidget* parent = nullptr);

    QLineEdit* Edit1;

    void Edit1Enter();

  public slots:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    std::function<bool(const QString&)> accepts_;
    bool unlocked_ = false;
};
