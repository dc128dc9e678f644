#include "shell/Tchangepassfm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/prompter.h"
#include "shell/session.h"

namespace {

QLineEdit* passwordBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEchoMode(QLineEdit::Password);
    box->setMaxLength(10);
    return box;
}

}  // namespace

Tchangepassfm::Tchangepassfm(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), change_(session), prompter_(prompter) {
    setWindowTitle(QStringLiteral("更改密码"));
    Edit1 = passwordBox(this, "Edit1");
    Edit2 = passwordBox(this, "Edit2");
    Edit3 = passwordBox(this, "Edit3");
    Button1 = new QPushButton(QStringLiteral("确  定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("取  消"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("操作员代号："), new QLabel(session.OperatorCode, this));
    form->addRow(QStringLiteral("操作员姓名："), new QLabel(session.OperatorName, this));
    form->addRow(QStringLiteral("输入旧密码"), Edit1);
    form->addRow(QStringLiteral("请输入新密码"), Edit2);
    form->addRow(QStringLiteral("再次输入新密码"), Edit3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addLayout(buttons);

    for (QLineEdit* box : {Edit1, Edit2, Edit3}) box->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &Tchangepassfm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

bool Tchangepassfm::Run(Session& session, Prompter& prompter, QWidget* parent) {
    Tchangepassfm window(session, prompter, parent);
    return window.exec() == QDialog::Accepted;
}

void Tchangepassfm::Button1Click() {
    const auto outcome = change_.change(Edit1->text(), Edit2->text(), Edit3->text());
    switch (outcome) {
        case PasswordChange::Outcome::Changed:
            prompter_.information(change_.message(outcome));
            accept();
            return;
        case PasswordChange::Outcome::WrongOldPassword:
            prompter_.error(change_.message(outcome));
            Edit1->setFocus();
            return;
        case PasswordChange::Outcome::NewPasswordsDiffer:
            prompter_.error(change_.message(outcome));
            Edit2->setFocus();
            return;
        case PasswordChange::Outcome::ServerRefused:
            prompter_.error(change_.message(outcome));
            return;
    }
}

bool Tchangepassfm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const QList<QWidget*> order = {Edit1, Edit2, Edit3};
    const qsizetype at = order.indexOf(qobject_cast<QWidget*>(watched));
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down:
            (at + 1 < order.size() ? order[at + 1] : static_cast<QWidget*>(Button1))->setFocus();
            return true;
        case Qt::Key_Up:
            order[at > 0 ? at - 1 : order.size() - 1]->setFocus();
            return true;
        case Qt::Key_Escape:
            reject();
            return true;
        default:
            return QDialog::eventFilter(watched, event);
    }
}
