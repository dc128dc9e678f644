#include "shell/Tdepinfform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "server/server_error.h"
#include "shell/organisation_record.h"

Tdepinfform::Tdepinfform(OrganisationRecord& record, bool editable, QWidget* parent)
    : QDialog(parent), record_(record) {
    setObjectName(QStringLiteral("depinfform"));
    setWindowTitle(QStringLiteral("使用单位基本信息"));
    auto* layout = new QVBoxLayout(this);
    auto* panel = new QGroupBox(this);
    panel->setEnabled(editable);
    auto* grid = new QGridLayout(panel);
    const QStringList values = record_.load();
    for (int i = 0; i < static_cast<int>(Edits.size()); ++i) {
        auto* edit = new QLineEdit(values.value(i), panel);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edit->setMinimumWidth(260);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this] { changed_ = true; });
        grid->addWidget(new QLabel(OrganisationRecord::Labels()[i], panel), i, 0, Qt::AlignRight);
        grid->addWidget(edit, i, 1);
        Edits[static_cast<size_t>(i)] = edit;
    }
    layout->addWidget(panel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    Button1 = new QPushButton(QStringLiteral("确  定"), this);
    Button2 = new QPushButton(QStringLiteral("返  回"), this);
    Button1->setEnabled(editable);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    layout->addLayout(buttons);
    connect(Button1, &QPushButton::clicked, this, &Tdepinfform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void Tdepinfform::Button1Click() {
    if (changed_) {
        QStringList values;
        for (QLineEdit* edit : Edits)
            values << edit->text().trimmed();
        try {
            record_.save(values);
        } catch (const ServerError&) {
            // The record stays as it was; the window closes all the same.
        }
    }
    accept();
}

bool Tdepinfform::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
