#pragma once

#include <QDateTime>
#include <QString>

class AppServer;
struct Session;

// The operation log 操作记录: one row per module visit, opened on entry and closed on exit. Its
// statements are best effort: a failure never keeps a module from opening or closing.
class OperationLog {
  public:
    OperationLog(AppServer& server, Session& session, QString hostName);

    // Closes the open row, if any, then opens one for `module`: the exit column holds the entry
    // date (mm-dd) followed by ",正操作中..." until the module is left.
    void LogModuleEntry(const QString& module, const QDateTime& now = QDateTime::currentDateTime());
    // Writes the exit time into the open row; no module is open afterwards.
    void LogModuleExit(const QDateTime& now = QDateTime::currentDateTime());

    static inline const QString kNoModule = QStringLiteral("No");

  private:
    void send(const QString& statement);

    AppServer& server_;
    Session& session_;
    QString hostName_;
};
