#include "shell/Tent_passfm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/prompter.h"
#include "shell/session.h"
#include "shell/server_link.h"

namespace {

constexpr int kIdleMillis = 29000;

}  // namespace

Tent_passfm::Tent_passfm(LoginLogic& logic, Prompter& prompter, QWidget* parent)
    : QDialog(parent), logic_(logic), prompter_(prompter) {
    setWindowTitle(QStringLiteral("身份验证   远程售票"));
    setObjectName(QStringLiteral("ent_passfm"));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    for (int i = 0; i < ServerLink::kRegistrations; ++i) ComboBox2->addItem(Session::serverLabel(i));
    SpeedButton1 = new QPushButton(QStringLiteral("连接"), this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setToolTip(QStringLiteral("连接数据库服务器"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    Edit3 = new QLineEdit(this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setEchoMode(QLineEdit::Password);
    Button1 = new QPushButton(QStringLiteral("确 定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button2 = new QPushButton(QStringLiteral("取 消"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("服务器："), this), 0, 0);
    grid->addWidget(Edit1, 0, 1);
    auto* serverRow = new QHBoxLayout;
    serverRow->addWidget(ComboBox2);
    serverRow->addWidget(SpeedButton1);
    grid->addLayout(serverRow, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("操作员:"), this), 1, 0);
    grid->addWidget(ComboBox1, 1, 1);
    grid->addWidget(Edit2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("请输入操作密码:"), this), 2, 0);
    grid->addWidget(Edit3, 2, 1, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addSpacing(8);
    column->addLayout(buttons);
    setMinimumWidth(460);

    connect(SpeedButton1, &QPushButton::clicked, this, &Tent_passfm::ConnectClick);
    connect(Edit1, &QLineEdit::returnPressed, this, &Tent_passfm::ConnectClick);
    connect(ComboBox2, &QComboBox::activated, this, &Tent_passfm::ConnectClick);
    connect(Button1, &QPushButton::clicked, this, &Tent_passfm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    ComboBox1->installEventFilter(this);
    ComboBox1->lineEdit()->installEventFilter(this);
    Edit3->installEventFilter(this);

    idleTimer_.setInterval(kIdleMillis);
    connect(&idleTimer_, &QTimer::timeout, this, [this] { logic_.markIdle(); });
}

void Tent_passfm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    logic_.opened();
    ComboBox2->setCurrentIndex(logic_.storedRegistration());
    Edit1->setText(logic_.storedHost());
    ComboBox2->setFocus();
    idleTimer_.start();
}

void Tent_passfm::done(int result) {
    idleTimer_.stop();
    QDialog::done(result);
}

void Tent_passfm::ConnectClick() {
    if (Edit1->text().trimmed().isEmpty()) return;
    loadOperators();
}

void Tent_passfm::loadOperators() {
    ComboBox1->clear();
    Edit2->clear();
    if (!logic_.connect(Edit1->text(), ComboBox2->currentIndex())) return;
    for (const LoginLogic::Operator& op : logic_.operators()) {
        ComboBox1->addItem(op.code.leftJustified(10) + op.name.leftJustified(10), op.code);
    }
    const QString proposed = logic_.proposedCode();
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(proposed);
    Edit2->setText(logic_.nameOf(proposed));
    Edit3->clear();
    ComboBox1->setFocus();
}

void Tent_passfm::operatorLeft() {
    const QString typed = ComboBox1->currentText().left(10).trimmed();
    const QString code = logic_.storedCode(typed);
    ComboBox1->setEditText(code);
    Edit2->setText(logic_.nameOf(code));
}

void Tent_passfm::moveInOperatorList(int step) {
    const int count = ComboBox1->count();
    if (count == 0) return;
    const int index = std::clamp(ComboBox1->currentIndex() + step, 0, count - 1);
    ComboBox1->setCurrentIndex(index);
    ComboBox1->setEditText(ComboBox1->itemData(index).toString());
    Edit2->setText(logic_.nameOf(ComboBox1->currentText()));
}

void Tent_passfm::Button1Click() {
    operatorLeft();
    const QString code = ComboBox1->currentText().trimmed();
    if (code.isEmpty() && !logic_.idled()) return;
    switch (logic_.submit(Edit1->text(), code, Edit3->text())) {
        case LoginLogic::Outcome::NothingToDo:
            return;
        case LoginLogic::Outcome::LoggedIn:
            accept();
            return;
        case LoginLogic::Outcome::WrongPassword:
            prompter_.error(QStringLiteral("密码输入不正确!!!"));
            Edit3->setFocus();
            Edit3->selectAll();
            return;
        case LoginLogic::Outcome::TooManyFailures:
            prompter_.error(QStringLiteral("密码输入不正确!!!"));
            reject();
            return;
        case LoginLogic::Outcome::IdleReconnectFailed:
            prompter_.error(QStringLiteral("超时没登陆错误!!!"));
            idleReconnectFailed_ = true;
            reject();
            return;
    }
}

bool Tent_passfm::eventFilter(QObject* watched, QEvent* event) {
    const bool inOperator = watched == ComboBox1 || watched == ComboBox1->lineEdit();
    if (inOperator && event->type() == QEvent::FocusIn && ComboBox1->count() == 0) {
        // An empty operator list asks for a connection first.
        if (Edit1->text().trimmed().isEmpty()) {
            QMetaObject::invokeMethod(Edit1, qOverload<>(&QWidget::setFocus), Qt::QueuedConnection);
        } else {
            QMetaObject::invokeMethod(this, &Tent_passfm::ConnectClick, Qt::QueuedConnection);
        }
    }
    if (inOperator && event->type() == QEvent::FocusOut) operatorLeft();
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (inOperator) {
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                Edit3->setFocus();
                return true;
            case Qt::Key_Escape:
                reject();
                return true;
            case Qt::Key_Plus:
                moveInOperatorList(1);
                return true;
            case Qt::Key_Minus:
                moveInOperatorList(-1);
                return true;
            default:
                return false;
        }
    }
    if (watched == Edit3) {
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                Button1Click();
                return true;
            case Qt::Key_Escape:
                reject();
                return true;
            case Qt::Key_Plus:
                ComboBox1->setFocus();
                ComboBox1->showPopup();
                return true;
            case Qt::Key_Minus:
                Button1->setFocus();
                return true;
            default:
                return false;
        }
    }
    return QDialog::eventFilter(watched, event);
}
