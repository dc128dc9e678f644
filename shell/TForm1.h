#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <map>
#include <memory>

#include "server/client_dataset.h"
#include "shell/server_messages.h"
#include "shell/session.h"
#include "shell/system_parameters.h"

class Machine;
class Prompter;
class ServerLink;
class Settings;
class SummaryNoticeWindow;
class Tconnetform;

// The main window: owner of the session, the system parameters, the server link and the shared
// datasets. It starts disabled; the start-up sequence logs the operator in, loads the station's
// parameters, starts the message poll and the clock guard, shakes hands with the server and
// enables the window.
class TForm1 : public QMainWindow, public WorkstationActions {
    Q_OBJECT
public:
    static constexpr int kLoggedInTag = 10;

    TForm1(Settings& settings, Machine& machine, Prompter& prompter, const QString& programFolder,
           QWidget* parent = nullptr);
    ~TForm1() override;

    Session& session() { return session_; }
    const SystemParameters& systemParameters() const { return parameters_; }
    ServerLink& serverLink() { return *link_; }
    ServerMessages& messages() { return messages_; }
    Tconnetform& messagingWindow() { return *connetform_; }
    QLabel* statusPanel(int index) const { return panels_[static_cast<size_t>(index)]; }
    // 0 before login, kLoggedInTag after.
    int loginState() const { return loginState_; }

    // How the program ends (QCoreApplication::exit unless a test listens instead).
    void setProgramEnder(std::function<void(int code)> ender) { endProgram_ = std::move(ender); }
    void setNotifier(std::function<void(int kind, const QString&)> notify);

    void LoadSystemParameters();
    void RefreshStatusBar();
    // Sends a text through the relay and routes the reply.
    void sendToServer(const QString& text);

    // Datasets that a refresh order may name ("stabus", "roads", "operater", ...).
    void registerDataset(ClientDataSet& dataset);

    ClientDataSet Sysdata;
    ClientDataSet depinf;
    QTimer Timer1;     // start-up, once
    QTimer ClientSck;  // message poll
    QTimer CheckTimer; // clock guard

    // WorkstationActions
    void showSummaryNotice() override;
    void closeSummaryNotice() override;
    void registerWithServer() override;
    void refreshStatusBar() override { RefreshStatusBar(); }
    void showStatusText(int panel, const QString& text) override;
    void notify(int kind, const QString& text) override;
    void setClock(const QDateTime& moment) override;
    void refreshDataset(const QString& name) override;
    bool reloadMasterTable(const QString& tag) override;
    QStringList onlineList() const override;
    void setOnlineList(const QStringList& entries) override;
    void appendMessageLine(const QString& line) override;
    void runConsoleRelay() override;
    void closeMainWindow() override { close(); }
    void endProgram() override;
    void disarmExitQuestion() override { exitQuestionArmed_ = false; }
    void shutDownComputer() override;
    void abortMessage(const QString& text) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Timer1Timer();
    void ClientSckTimer();
    void CheckTimerTimer();
    bool runLogin();
    void loadStationRecord();
    void layoutStatusPanels();
    void reloadKeepingRow(const QString& datasetName, const QString& keyField);

    Settings& settings_;
    Machine& machine_;
    Prompter& prompter_;
    Session session_;
    SystemParameters parameters_;
    std::unique_ptr<ServerLink> link_;
    ServerMessages messages_;
    Tconnetform* connetform_;
    SummaryNoticeWindow* summaryWindow_ = nullptr;
    std::array<QLabel*, 9> panels_{};
    std::map<QString, ClientDataSet*> datasets_;
    std::function<void(int)> endProgram_;
    std::function<void(int, const QString&)> notify_;
    int loginState_ = 0;
    bool startupRan_ = false;
    bool exitQuestionArmed_ = true;
    bool faresStale_ = false;
};
