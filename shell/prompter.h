#pragma once

#include <QString>

// Message boxes and questions of the Chinese user interface, behind an interface so that module
// logic and tests can answer them without a window.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void error(const QString& text) = 0;
    virtual void information(const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(const QString& text) = 0;
};

// Modal message boxes captioned 错误, 提示 and 确认.
class MessageBoxPrompter final : public Prompter {
public:
    void error(const QString& text) override;
    void information(const QString& text) override;
    bool question(const QString& text) override;
};

// The prompter of the running program (message boxes unless a test put another in place).
Prompter& AppPrompter();
// Replaces the program's prompter; nullptr goes back to message boxes. The caller keeps ownership.
void SetAppPrompter(Prompter* prompter);
