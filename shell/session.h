#pragma once

#include <QDateTime>
#include <QString>

class AppServer;

// What the logged-in operator may do in the open module.
struct ModuleRights {
    bool ModuleOpen = false;
    bool CanAdd = false;
    bool CanEdit = false;
    bool CanDelete = false;
    bool CanFind = false;
    bool CanPrint = false;
};

// The process-wide record of the logged-in operator and of this workstation's link to the server.
// One instance, owned by the main window.
struct Session {
    static inline const QString kAdministratorRole = QStringLiteral("系统管理员");

    QString OperatorCode = QStringLiteral("0000");
    QString OperatorName;
    QString OperatorRole;
    // The password as typed at login; the lock screen and the settlements ask the server to
    // check what is typed against the operator's stored password instead of comparing here.
    QString OperatorPassword;
    QString ShiftNo;
    QString StationName;
    QString ProgramFolder;
    QString DatabaseKind = QStringLiteral("Access");
    bool SingleStepMode = false;
    QString SocketId;
    int ServerIndex = 0;
    QString ServerHost;
    AppServer* Connection = nullptr;
    QString FailoverNotice;
    QDateTime LastClock;
    bool IgnoreNextBroadcast = false;
    // The text this desk broadcast; only its own echo is skipped, not another desk's message.
    QString ExpectedEcho;
    bool LockGranted = false;
    int ConsoleOffCount = 0;
    QString CurrentModule = QStringLiteral("No");
    QString ModuleEnteredAt;
    ModuleRights Rights;
    bool AddMode = false;
    bool TimetableChanged = false;
    bool CardPaused = false;
    bool CardBusy = false;

    // Kept by the sale desk.
    int UnsettledTicketCount = 0;
    int VoidTicketCount = 0;
    bool SaleDateIsToday = true;
    QString ClockHHMM;

    bool isAdministrator() const { return OperatorRole == kAdministratorRole; }
    // Called just before this desk broadcasts `text` to everybody, itself included.
    void expectEcho(const QString& text) {
        IgnoreNextBroadcast = true;
        ExpectedEcho = text;
    }
    // True when `received` is this desk's own broadcast coming back, which is then skipped once.
    bool isOwnEcho(const QString& received) {
        if (!IgnoreNextBroadcast || (!ExpectedEcho.isEmpty() && ExpectedEcho != received)) return false;
        IgnoreNextBroadcast = false;
        ExpectedEcho.clear();
        return true;
    }
    // "1号" .. "6号"
    static QString serverLabel(int index) { return QString::number(index + 1) + QStringLiteral("号"); }
};
