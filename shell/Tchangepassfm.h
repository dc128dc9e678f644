#pragma once

#include <QDialog>

#include "shell/password_change.h"

class QLineEdit;
class QPushButton;
class Prompter;
struct Session;

// "更改密码": the logged-in operator's code and name, the old password and the new one twice.
class Tchangepassfm : public QDialog {
    Q_OBJECT
public:
    Tchangepassfm(Session& session, Prompter& prompter, QWidget* parent = nullptr);

    // Shows the window; true when the password was changed on the server.
    static bool Run(Session& session, Prompter& prompter, QWidget* parent);

    QLineEdit* Edit1;  // 输入旧密码
    QLineEdit* Edit2;  // 请输入新密码
    QLineEdit* Edit3;  // 再次输入新密码
    QPushButton* Button1;  // 确  定
    QPushButton* Button2;  // 取  消

    void Button1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PasswordChange change_;
    Prompter& prompter_;
};
