#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class AppServer;
class ClientDataSet;
class Prompter;
struct Session;

// What the operator editor holds: the four boxes. The password is what was typed now, never a
// stored one (the server keeps passwords to itself); empty when editing means "unchanged".
struct OperatorEntry {
    QString code;
    QString name;
    QString role;
    QString password;
};

// The rules of the operator editor: adding an operator, editing the one under the cursor of
// `operators`, and copying rights from the first other operator with the same role. Statements
// go to the server at once and the rows of `operators` and `rights` follow them.
class OperatorEditor {
  public:
    enum class Outcome { Saved, MissingCode, MissingName, CodeTaken, RoleRefused, RightsNotEmpty, NoModel };

    static inline const QString kRoleRefused = QStringLiteral("你无权将操作员职务改为'系统管理员'!");
    // The nine roles, in list order.
    static const QStringList& Roles();

    // `relay` sends a text through the message relay (the "op_reuser" notice).
    OperatorEditor(AppServer& server, Session& session, Prompter& prompter, ClientDataSet& operators,
                   ClientDataSet& rights, std::function<void(const QString&)> relay);

    // Only the administrator types passwords.
    bool passwordEditable() const;
    // The operator under the cursor, for the edit caption; the password stays empty.
    OperatorEntry current() const;

    Outcome add(const OperatorEntry& entry);
    Outcome save(const OperatorEntry& entry);
    Outcome copyRights(const QString& code, const QString& role);

  private:
    bool checkRequired(const OperatorEntry& entry);
    bool roleAllowed(const QString& role);

    AppServer& server_;
    Session& session_;
    Prompter& prompter_;
    ClientDataSet& operators_;
    ClientDataSet& rights_;
    std::function<void(const QString&)> relay_;
};
