#pragma once

#include <QDialog>

class OperatorEditor;
class Prompter;
class QComboBox;
class QLineEdit;
class QPushButton;

// The operator editor, captioned "新增操作员" or "修改操作员资料". Passwords are typed only by the
// administrator and are never shown: the box starts empty, and empty keeps the stored one.
class Taddoperform : public QDialog {
    Q_OBJECT
  public:
    Taddoperform(OperatorEditor& editor, Prompter& prompter, bool adding, QWidget* parent = nullptr);

    QLineEdit* Edit1;      // 操作员代号
    QLineEdit* Edit2;      // 操作员姓名
    QComboBox* ComboBox1;  // 操作员职务
    QLineEdit* Edit3;      // 操作员密码
    QPushButton* Button1;  // 确    定
    QPushButton* Button2;  // 返    回
    QPushButton* Button3;  // √将权限设为和最前面同职务的相同

    void Button1Click();
    void Button3Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    OperatorEditor& editor_;
    Prompter& prompter_;
    bool adding_;
};
