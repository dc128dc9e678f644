#include "shell/Taddoperform.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "server/server_error.h"
#include "shell/operator_editor.h"
#include "shell/prompter.h"

Taddoperform::Taddoperform(OperatorEditor& editor, Prompter& prompter, bool adding, QWidget* parent)
    : QDialog(parent), editor_(editor), prompter_(prompter), adding_(adding) {
    setObjectName(QStringLiteral("addoperform"));
    setWindowTitle(adding ? QStringLiteral("新增操作员") : QStringLiteral("修改操作员资料"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    Edit1 = new QLineEdit(this);
    Edit1->setMaxLength(10);
    Edit2 = new QLineEdit(this);
    Edit2->setMaxLength(10);
    ComboBox1 = new QComboBox(this);
    ComboBox1->addItems(OperatorEditor::Roles());
    Edit3 = new QLineEdit(this);
    Edit3->setMaxLength(10);
    Edit3->setEchoMode(QLineEdit::Password);
    Edit3->setEnabled(editor_.passwordEditable());
    Edit3->setPlaceholderText(adding ? QString() : QStringLiteral("不填则不更改"));
    form->addRow(QStringLiteral("操作员代号"), Edit1);
    form->addRow(QStringLiteral("操作员姓名"), Edit2);
    form->addRow(QStringLiteral("操作员职务"), ComboBox1);
    form->addRow(QStringLiteral("操作员密码"), Edit3);
    layout->addLayout(form);
    Button3 = new QPushButton(QStringLiteral("√将权限设为和最前面同职务的相同"), this);
    layout->addWidget(Button3);
    auto* buttons = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("确    定"), this);
    Button2 = new QPushButton(QStringLiteral("返    回"), this);
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    layout->addLayout(buttons);
    if (!adding) {
        const OperatorEntry entry = editor_.current();
        Edit1->setText(entry.code);
        Edit1->setReadOnly(true);
        Edit2->setText(entry.name);
        ComboBox1->setCurrentIndex(
            std::max(0, static_cast<int>(OperatorEditor::Roles().indexOf(entry.role))));
    } else {
        ComboBox1->setCurrentIndex(OperatorEditor::Roles().indexOf(QStringLiteral("售票员")));
    }
    for (QWidget* box :
         {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(Edit2), static_cast<QWidget*>(Edit3)}) {
        box->installEventFilter(this);
    }
    connect(Button1, &QPushButton::clicked, this, &Taddoperform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &Taddoperform::Button3Click);
}

void Taddoperform::Button1Click() {
    const OperatorEntry entry{Edit1->text().trimmed(), Edit2->text().trimmed(), ComboBox1->currentText(),
                              Edit3->text()};
    try {
        switch (adding_ ? editor_.add(entry) : editor_.save(entry)) {
            case OperatorEditor::Outcome::MissingCode:
                QApplication::beep();
                Edit1->setFocus();
                return;
            case OperatorEditor::Outcome::MissingName:
                QApplication::beep();
                Edit2->setFocus();
                return;
            case OperatorEditor::Outcome::CodeTaken:
                Edit2->setFocus();
                return;
            case OperatorEditor::Outcome::RoleRefused:
                ComboBox1->setFocus();
                return;
            default:
                break;
        }
    } catch (const ServerError& error) {
        prompter_.error(error.message());
        return;
    }
    Edit2->clear();
    accept();
}

void Taddoperform::Button3Click() {
    try {
        editor_.copyRights(Edit1->text().trimmed(), ComboBox1->currentText());
    } catch (const ServerError& error) {
        prompter_.error(error.message());
    }
}

bool Taddoperform::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool forward = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down;
    if (watched == Edit1 && (forward || key == Qt::Key_Up)) {
        (forward ? static_cast<QWidget*>(Edit2) : Edit3)->setFocus();
        return true;
    }
    if (watched == Edit2 && (forward || key == Qt::Key_Up)) {
        (forward ? static_cast<QWidget*>(ComboBox1) : Edit1)->setFocus();
        return true;
    }
    if (watched == Edit3 && (forward || key == Qt::Key_Up)) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Button1->setFocus();
        } else {
            (key == Qt::Key_Up ? static_cast<QWidget*>(ComboBox1) : Edit1)->setFocus();
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
