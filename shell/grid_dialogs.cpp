#include "shell/grid_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "server/client_dataset.h"
#include "shell/grid_search.h"

namespace {

QComboBox* fieldList(const ClientDataSet& rows, QWidget* parent) {
    auto* list = new QComboBox(parent);
    for (const wire::Field& field : rows.fields())
        list->addItem(field.name);
    list->setCurrentIndex(0);
    return list;
}

}  // namespace

TFindDialog::TFindDialog(ClientDataSet& rows, QWidget* parent) : QDialog(parent), rows_(rows) {
    setWindowTitle(QStringLiteral("查找记录"));
    auto* form = new QFormLayout(this);
    FieldList = fieldList(rows_, this);
    TextEdit = new QLineEdit(this);
    ResultLabel = new QLabel(this);
    form->addRow(QStringLiteral("查找字段："), FieldList);
    form->addRow(QStringLiteral("包含内容："), TextEdit);
    form->addRow(ResultLabel);
    auto* buttons = new QHBoxLayout;
    FindNextButton = new QPushButton(QStringLiteral("查找下一个"), this);
    FindNextButton->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    buttons->addStretch();
    buttons->addWidget(FindNextButton);
    buttons->addWidget(close);
    form->addRow(buttons);
    connect(FindNextButton, &QPushButton::clicked, this, &TFindDialog::FindNextClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(TextEdit, &QLineEdit::textEdited, this, [this] { searched_ = false; });
    connect(FieldList, &QComboBox::currentIndexChanged, this, [this] { searched_ = false; });
}

void TFindDialog::FindNextClick() {
    const bool found = FindContaining(rows_, FieldList->currentText(), TextEdit->text(), !searched_);
    searched_ = true;
    ResultLabel->setText(found ? QString() : QStringLiteral("没有找到。"));
}

TFilterDialog::TFilterDialog(ClientDataSet& rows, QWidget* parent) : QDialog(parent), rows_(rows) {
    setWindowTitle(QStringLiteral("筛选记录"));
    auto* form = new QFormLayout(this);
    FieldList = fieldList(rows_, this);
    PatternEdit = new QLineEdit(this);
    PatternEdit->setPlaceholderText(QStringLiteral("从头匹配；%代表任意字符；null表示空值"));
    form->addRow(QStringLiteral("筛选字段："), FieldList);
    form->addRow(QStringLiteral("筛选条件："), PatternEdit);
    auto* buttons = new QHBoxLayout;
    FilterButton = new QPushButton(QStringLiteral("筛选"), this);
    FilterButton->setDefault(true);
    ShowAllButton = new QPushButton(QStringLiteral("全部显示"), this);
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    buttons->addStretch();
    buttons->addWidget(FilterButton);
    buttons->addWidget(ShowAllButton);
    buttons->addWidget(close);
    form->addRow(buttons);
    connect(FilterButton, &QPushButton::clicked, this, [this] {
        FilterRows(rows_, FieldList->currentText(), PatternEdit->text());
        accept();
    });
    connect(ShowAllButton, &QPushButton::clicked, this, [this] {
        rows_.clearFilter();
        accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

TFieldEditor::TFieldEditor(ClientDataSet& rows, QWidget* parent) : QDialog(parent), rows_(rows) {
    setWindowTitle(QStringLiteral("修改"));
    auto* form = new QFormLayout(this);
    FieldList = fieldList(rows_, this);
    ValueEdit = new QLineEdit(rows_.text(FieldList->currentText()), this);
    form->addRow(QStringLiteral("修改对象："), FieldList);
    form->addRow(QStringLiteral("修改值为："), ValueEdit);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    form->addRow(buttons);
    connect(FieldList, &QComboBox::currentTextChanged, this,
            [this](const QString& name) { ValueEdit->setText(rows_.text(name)); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString TFieldEditor::field() const {
    return FieldList->currentText();
}

QString TFieldEditor::value() const {
    return ValueEdit->text();
}
