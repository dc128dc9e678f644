#include "shell/prompter.h"

#include <QApplication>
#include <QMessageBox>

namespace {

Prompter* gPrompter = nullptr;

}  // namespace

void MessageBoxPrompter::error(const QString& text) {
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("错误"), text);
}

void MessageBoxPrompter::information(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), QStringLiteral("提示"), text);
}

bool MessageBoxPrompter::question(const QString& text) {
    return QMessageBox::question(QApplication::activeWindow(), QStringLiteral("确认"), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

Prompter& AppPrompter() {
    static MessageBoxPrompter messageBoxes;
    return gPrompter ? *gPrompter : messageBoxes;
}

void SetAppPrompter(Prompter* prompter) { gPrompter = prompter; }
