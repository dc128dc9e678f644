#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

class QComboBox;
class QPlainTextEdit;
class QPushButton;
struct Session;

// The operator messaging window "在线通信系统": who is on line, the lines received, the line to
// send. It stays on top of the program's other windows and lives as long as the program.
class Tconnetform : public QWidget {
    Q_OBJECT
public:
    // `send` hands a text to the server and routes its reply.
    Tconnetform(Session& session, std::function<void(const QString&)> send, QWidget* parent = nullptr);

    QStringList onlineList() const;
    void setOnlineList(const QStringList& entries);
    void appendLine(const QString& line);
    QStringList receivedLines() const;

    QComboBox* ComboBox1;       // 发送给：
    QComboBox* ComboBox2;       // 发信息：
    QPlainTextEdit* Memo1;      // received lines
    QPushButton* Button1;       // 发 送

    void Button1Click();

signals:
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void linesChanged();

    Session& session_;
    std::function<void(const QString&)> send_;
    QTimer scrollTimer_;
};
