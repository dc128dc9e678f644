#pragma once

#include <QString>

class AppServer;
class OperationLog;
class Prompter;
struct Session;

// The rights gate every module passes on entry. The administrator may enter everything with every
// right; anyone else needs a row of 操作权限 for the module, whose five rights are then taken.
// Entering opens the module's row in the operation log.
class ModuleGate {
  public:
    static inline const QString kRefusal =
        QStringLiteral("对不起，您无权使用本功能模块！\r如需使用，请向“系统管理员”申请。");

    ModuleGate(AppServer& server, Session& session, Prompter& prompter, OperationLog& log);

    // Decides on the menu entry with this caption. The session's rights are cleared first; on
    // admission they hold the module's rights, Session.CurrentModule its name and the log row is
    // open; on refusal the operator has been told why.
    bool admit(const QString& caption);

  private:
    AppServer& server_;
    Session& session_;
    Prompter& prompter_;
    OperationLog& log_;
};
