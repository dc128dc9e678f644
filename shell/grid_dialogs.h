#pragma once

#include <QDialog>

class ClientDataSet;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "查找记录": a field of the grid's rows and a text contained in it; find-next is the default button.
class TFindDialog : public QDialog {
    Q_OBJECT
  public:
    TFindDialog(ClientDataSet& rows, QWidget* parent = nullptr);

    QComboBox* FieldList;
    QLineEdit* TextEdit;
    QPushButton* FindNextButton;
    QLabel* ResultLabel;

    void FindNextClick();

  private:
    ClientDataSet& rows_;
    bool searched_ = false;
};

// "筛选记录": a field and a pattern matched from its start, "%" standing for anything, "null" for
// an empty field.
class TFilterDialog : public QDialog {
    Q_OBJECT
  public:
    TFilterDialog(ClientDataSet& rows, QWidget* parent = nullptr);

    QComboBox* FieldList;
    QLineEdit* PatternEdit;
    QPushButton* FilterButton;
    QPushButton* ShowAllButton;

  private:
    ClientDataSet& rows_;
};

// "修改": one field of the current row, chosen from all the row's fields, with its new value.
class TFieldEditor : public QDialog {
    Q_OBJECT
  public:
    TFieldEditor(ClientDataSet& rows, QWidget* parent = nullptr);

    QComboBox* FieldList;  // 修改对象：
    QLineEdit* ValueEdit;  // 修改值为：

    QString field() const;
    QString value() const;

  private:
    ClientDataSet& rows_;
};
