#include "shell/Tlockform.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

Tlockform::Tlockform(std::function<bool(const QString&)> accepts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      accepts_(std::move(accepts)) {
    setObjectName(QStringLiteral("lockform"));
    setWindowTitle(QStringLiteral("暂时离开-锁定"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("请输入密码："), this));
    Edit1 = new QLineEdit(this);
    Edit1->setEchoMode(QLineEdit::Password);
    Edit1->setMaxLength(10);
    layout->addWidget(Edit1);
    connect(Edit1, &QLineEdit::returnPressed, this, &Tlockform::Edit1Enter);
    setFixedSize(260, 100);
}

void Tlockform::Edit1Enter() {
    const QString typed = Edit1->text();
    Edit1->clear();
    if (!accepts_(typed))
        return;
    unlocked_ = true;
    accept();
}

void Tlockform::reject() {}

void Tlockform::closeEvent(QCloseEvent* event) {
    if (unlocked_) {
        event->accept();
    } else {
        event->ignore();
    }
}
