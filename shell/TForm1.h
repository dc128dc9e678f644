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
#include "shell/tool_actions.h"

class Autostart;
class DataSetModel;
class DeskArea;
class GridModule;
class Machine;
class OperationLog;
class Prompter;
class QAction;
class QComboBox;
class QDateEdit;
class QMenu;
class QTableView;
class QToolButton;
class ServerLink;
class Settings;
class SummaryNoticeWindow;
class Tconnetform;

// The main window: owner of the session, the system parameters, the server link and the shared
// datasets. It starts disabled; the start-up sequence logs the operator in, loads the station's
// parameters, starts the message poll and the clock guard, shakes hands with the server and
// enables the window.
//
// From then on its menu is the map of every module. Entering a module passes the rights gate and
// opens the module's row in the operation log; a grid module shows its table in the shared grid
// DBGrid1 and is worked with the eight tool buttons, whose actions go to the open module.
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

    // The menu entry with this caption in the menu with this caption (nullptr when there is none).
    QAction* menuAction(const QString& menuCaption, const QString& entryCaption) const;
    // The rights gate for a menu entry: true when its module may open; the entry is then checked.
    bool EnterModule(QAction* entry);
    // Mode 0 closes the open module and the grid; modes 1 to 3 show the grid with that toolbar.
    void ResetWorkspace(int mode);
    // A tool button was pressed: its right is checked, then the open module acts.
    void runToolAction(ToolAction action);
    // Where "&8.自动运行" writes its entry (the desktop's autostart folder unless a test says other).
    void setAutostart(Autostart& autostart) { autostart_ = &autostart; }

    QToolButton* toolButton(ToolAction action) const { return toolButtons_[static_cast<size_t>(action)]; }
    QTableView* grid() const { return DBGrid1; }
    QLabel* infoStrip() const { return infoStrip_; }
    QString titleText() const;
    GridModule* openGridModule() const { return gridModule_.get(); }
    DeskArea* deskArea() const { return desk_; }
    // Sends a text through the relay and routes the reply.
    void sendToServer(const QString& text);

    // Datasets that a refresh order may name ("stabus", "roads", "operater", ...).
    void registerDataset(ClientDataSet& dataset);

    ClientDataSet Sysdata;
    ClientDataSet depinf;
    ClientDataSet Query;
    ClientDataSet Query3;
    ClientDataSet Led;
    ClientDataSet operater;
    ClientDataSet modright;
    QTableView* DBGrid1;
    QTimer Timer1;      // start-up, once
    QTimer ClientSck;   // message poll
    QTimer CheckTimer;  // clock guard

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
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    void buildTitleStrip();
    void buildGridMenu();
    void connectMenuEntries();
    void onEntry(const QString& menuCaption, const QString& entryCaption,
                 std::function<void(QAction*)> handler);
    void openGridModule(std::unique_ptr<GridModule> module);
    void showRecordCount();
    bool handleKey(int key, const QString& text);
    void openFirstMenu();
    void openOrganisation(QAction* entry);
    void openRightsAdministration(QAction* entry);
    void changePassword();
    void toggleAutorun(bool enabled);
    void lockScreen();
    void showAbout();
    void runGenericAction(ToolAction action);
    void findNext();
    void deleteCurrentRow();
    OperationLog operationLog();
    bool gridShown() const;
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
    std::map<QString, QAction*> menuActions_;
    QAction* autorunEntry_ = nullptr;
    QWidget* titleStrip_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    std::array<QToolButton*, kToolActionCount> toolButtons_{};
    QDateEdit* DateTimePicker1 = nullptr;
    QWidget* yearMonthBar_ = nullptr;
    QComboBox* YearList = nullptr;
    QComboBox* MonthList = nullptr;
    DeskArea* desk_ = nullptr;
    QLabel* infoStrip_ = nullptr;
    QMenu* gridMenu_ = nullptr;
    std::unique_ptr<DataSetModel> gridModel_;
    std::unique_ptr<GridModule> gridModule_;
    std::pair<QString, QString> lastSearch_;  // field and text of the last search in the grid
    std::unique_ptr<Autostart> desktopAutostart_;
    Autostart* autostart_ = nullptr;
    std::map<QString, ClientDataSet*> datasets_;
    std::function<void(int)> endProgram_;
    std::function<void(int, const QString&)> notify_;
    int loginState_ = 0;
    bool startupRan_ = false;
    bool exitQuestionArmed_ = true;
    bool faresStale_ = false;
};
