#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

struct Session;

// What the workstation does when the server relays something to it. The main window carries these
// out; tests record them.
class WorkstationActions {
public:
    virtual ~WorkstationActions() = default;
    virtual void showSummaryNotice() = 0;
    virtual void closeSummaryNotice() = 0;
    virtual void registerWithServer() = 0;
    virtual void refreshStatusBar() = 0;
    virtual void showStatusText(int panel, const QString& text) = 0;
    virtual void notify(int kind, const QString& text) = 0;
    virtual void setClock(const QDateTime& moment) = 0;
    virtual void refreshDataset(const QString& name) = 0;
    // Reloads a cached master table (or the system parameters) after another desk changed it;
    // false when nothing was reloaded now (the table is not open, or only marked for later).
    virtual bool reloadMasterTable(const QString& tag) = 0;
    virtual QStringList onlineList() const = 0;
    virtual void setOnlineList(const QStringList& entries) = 0;
    virtual void appendMessageLine(const QString& line) = 0;
    virtual void runConsoleRelay() = 0;
    // Closes the main window as if the operator had, with its exit question.
    virtual void closeMainWindow() = 0;
    // Ends the program at once, in an orderly way (log row closed, locks released).
    virtual void endProgram() = 0;
    virtual void disarmExitQuestion() = 0;
    virtual void shutDownComputer() = 0;
    // A modal error with a single Abort button.
    virtual void abortMessage(const QString& text) = 0;
};

// The two-stage dispatch of the texts that the server relays through the message poll and the
// handshake.
class ServerMessages {
public:
    ServerMessages(Session& session, WorkstationActions& actions);

    // Whole-text replies first; anything else goes on to HandleServerCommand.
    void RouteServerReply(const QString& reply);
    // A nine-character command word and its argument, or a line for the messaging window.
    void HandleServerCommand(const QString& text);

    // The master-data tags and the names shown when they were reloaded.
    static QString shownNameOfTag(const QString& tag);

private:
    void relayDown();
    void onlineListArrived(const QString& lines);
    void masterDataRefresh(const QString& tag);

    Session& session_;
    WorkstationActions& actions_;
};
