#pragma once

#include <QDialog>
#include <array>

class OrganisationRecord;
class QLineEdit;
class QPushButton;

// "使用单位基本信息": the ten boxes of the organisation record. Saved on "确  定" when a box changed.
class Tdepinfform : public QDialog {
    Q_OBJECT
  public:
    Tdepinfform(OrganisationRecord& record, bool editable, QWidget* parent = nullptr);

    std::array<QLineEdit*, 10> Edits{};
    QPushButton* Button1;  // 确  定
    QPushButton* Button2;  // 返  回

    void Button1Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    OrganisationRecord& record_;
    bool changed_ = false;
};
