#include "shell/Tconnetform.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "shell/messaging.h"
#include "shell/session.h"

Tconnetform::Tconnetform(Session& session, std::function<void(const QString&)> send, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), session_(session), send_(std::move(send)) {
    setWindowTitle(QStringLiteral("在线通信系统"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    ComboBox2->addItems({QStringLiteral("我有事和你商量，请过来我这里一下。"), QStringLiteral("好的，我这就过来。"),
                         QStringLiteral("各位同事，明天谁上早班？"), QStringLiteral("明天我上早班。"),
                         QStringLiteral("你可以暂时退出系统吗？"), QStringLiteral("好的，我现在就退出。"),
                         QStringLiteral("请你退出!"), QStringLiteral("请你关机!")});
    ComboBox2->setCurrentIndex(-1);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Button1 = new QPushButton(QStringLiteral("发 送"), this);
    Button1->setObjectName(QStringLiteral("Button1"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("发送给："), this), 0, 0);
    grid->addWidget(ComboBox1, 0, 1, 1, 2);
    grid->addWidget(Memo1, 1, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("发信息："), this), 2, 0);
    grid->addWidget(ComboBox2, 2, 1);
    grid->addWidget(Button1, 2, 2);
    resize(460, 320);

    connect(Button1, &QPushButton::clicked, this, &Tconnetform::Button1Click);
    connect(ComboBox2->lineEdit(), &QLineEdit::returnPressed, this, &Tconnetform::Button1Click);
    scrollTimer_.setSingleShot(true);
    scrollTimer_.setInterval(200);
    connect(&scrollTimer_, &QTimer::timeout, this, &Tconnetform::linesChanged);
    connect(Memo1, &QPlainTextEdit::textChanged, &scrollTimer_, qOverload<>(&QTimer::start));
}

QStringList Tconnetform::onlineList() const {
    QStringList entries;
    for (int i = 0; i < ComboBox1->count(); ++i) entries << ComboBox1->itemText(i);
    return entries;
}

void Tconnetform::setOnlineList(const QStringList& entries) {
    ComboBox1->clear();
    ComboBox1->addItems(entries);
    ComboBox1->setCurrentIndex(entries.isEmpty() ? -1 : 0);
}

void Tconnetform::appendLine(const QString& line) { Memo1->appendPlainText(line); }

QStringList Tconnetform::receivedLines() const {
    const QString text = Memo1->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

void Tconnetform::linesChanged() {
    const QStringList lines = receivedLines();
    const QStringList kept = TrimReceivedLines(lines);
    if (kept.size() != lines.size()) {
        const QSignalBlocker quiet(Memo1);
        Memo1->setPlainText(kept.join(u'\n'));
    }
    Memo1->verticalScrollBar()->setValue(Memo1->verticalScrollBar()->maximum());
    if (isHidden()) show();
}

void Tconnetform::Button1Click() {
    if (ComboBox1->currentIndex() < 0 && ComboBox1->count() > 0) ComboBox1->setCurrentIndex(0);
    const QString typed = ComboBox2->currentText();
    const auto outgoing = OutgoingMessage(session_, typed, ComboBox1->currentIndex(), ComboBox1->count());
    if (!outgoing) return;
    send_(*outgoing);
    ComboBox2->setEditText(QString());
    ComboBox2->setFocus();
}

void Tconnetform::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Tconnetform::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}
