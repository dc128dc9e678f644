#pragma once

#include <QDialog>
#include <QTimer>

#include "shell/login_logic.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class Prompter;

// The login window "身份验证   远程售票": the server host and registration, the operator and the
// password. Accepted when the operator has logged in.
class Tent_passfm : public QDialog {
    Q_OBJECT
public:
    Tent_passfm(LoginLogic& logic, Prompter& prompter, QWidget* parent = nullptr);

    // How the window ended when it was not accepted because the program must stop.
    bool idleReconnectFailed() const { return idleReconnectFailed_; }

    QLineEdit* Edit1;         // host
    QComboBox* ComboBox2;     // registration "1号".."6号"
    QPushButton* SpeedButton1;  // connect
    QComboBox* ComboBox1;     // operator code
    QLineEdit* Edit2;         // operator name (read only)
    QLineEdit* Edit3;         // password
    QPushButton* Button1;     // 确 定
    QPushButton* Button2;     // 取 消

    void ConnectClick();
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadOperators();
    void operatorLeft();
    void moveInOperatorList(int step);

    LoginLogic& logic_;
    Prompter& prompter_;
    QTimer idleTimer_;
    bool idleReconnectFailed_ = false;
};
