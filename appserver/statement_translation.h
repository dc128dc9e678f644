#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <QVariant>

#include <memory>

// Turns a workstation's statement into the engine's dialect, with its literals as bound values.
// Shared by every session; thread-safe.
class StatementTranslation {
  public:
    struct Prepared {
        QString sql;
        QList<QVariant> parameters;
    };

    StatementTranslation();
    ~StatementTranslation();
    StatementTranslation(const StatementTranslation&) = delete;
    StatementTranslation& operator=(const StatementTranslation&) = delete;

    Prepared prepare(QStringView statement);

  private:
    struct Implementation;
    std::unique_ptr<Implementation> implementation_;
};
