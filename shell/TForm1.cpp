#include "shell/TForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QStatusBar>

#include "common/format_stamp.h"
#include "server/app_server.h"
#include "server/schema_names.h"
#include "server/server_error.h"
#include "shell/Tconnetform.h"
#include "shell/Tent_passfm.h"
#include "shell/login_logic.h"
#include "shell/notice.h"
#include "shell/platform/machine.h"
#include "shell/product.h"
#include "shell/prompter.h"
#include "shell/server_link.h"
#include "shell/settings.h"
#include "shell/summary_notice.h"

namespace {

constexpr int kPollMillis = 5000;
constexpr int kClockGuardMillis = 3000;
constexpr std::array<int, 9> kPanelWidths = {135, 90, 68, 120, 95, 106, 85, 2, 50};

}  // namespace

TForm1::TForm1(Settings& settings, Machine& machine, Prompter& prompter, const QString& programFolder,
               QWidget* parent)
    : QMainWindow(parent),
      Sysdata(provider::SystemParameters),
      depinf(provider::Department),
      settings_(settings),
      machine_(machine),
      prompter_(prompter),
      link_(std::make_unique<ServerLink>(session_, settings, machine)),
      messages_(session_, *this) {
    setWindowTitle(kProductTitle);
    setObjectName(QStringLiteral("Form1"));
    session_.ProgramFolder = programFolder;
    parameters_.saleStopMinutes = 3;
    Sysdata.setObjectName(QStringLiteral("Sysdata"));
    depinf.setObjectName(QStringLiteral("depinf"));
    settings_.setDeductionSource([this] { return parameters_.deductionPerTicket; });

    for (size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        statusBar()->addWidget(panels_[i], i == 7 ? 1 : 0);
    }
    layoutStatusPanels();
    resize(1024, 700);
    setEnabled(false);

    connetform_ = new Tconnetform(session_, [this](const QString& text) { sendToServer(text); }, this);
    endProgram_ = [](int code) { QCoreApplication::exit(code); };
    setNotifier([](int kind, const QString& text) { ShowNotice(kind, text); });
    link_->setReplyRoute([this](const QString& reply) { messages_.RouteServerReply(reply); });
    connect(link_.get(), &ServerLink::failoverStarted, this, [this] {
        ClientSck.stop();
        CheckTimer.stop();
    });
    connect(link_.get(), &ServerLink::failoverFinished, this, [this] {
        ClientSck.start();
        CheckTimer.start();
        RefreshStatusBar();
    });
    connect(link_.get(), &ServerLink::connectionChanged, this, [this] {
        for (auto& [name, dataset] : datasets_) dataset->close();
    });

    Timer1.setSingleShot(true);
    Timer1.setInterval(200);
    connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    ClientSck.setSingleShot(true);
    ClientSck.setInterval(kPollMillis);
    connect(&ClientSck, &QTimer::timeout, this, &TForm1::ClientSckTimer);
    CheckTimer.setSingleShot(true);
    CheckTimer.setInterval(kClockGuardMillis);
    connect(&CheckTimer, &QTimer::timeout, this, &TForm1::CheckTimerTimer);
    registerDataset(Sysdata);
    registerDataset(depinf);
}

TForm1::~TForm1() = default;

void TForm1::setNotifier(std::function<void(int, const QString&)> notify) {
    notify_ = notify;
    link_->setNotifier(std::move(notify));
}

void TForm1::registerDataset(ClientDataSet& dataset) { datasets_[dataset.objectName()] = &dataset; }

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!startupRan_ && !Timer1.isActive()) Timer1.start();
}

bool TForm1::runLogin() {
    LoginLogic logic(session_, settings_, *link_);
    Tent_passfm login(logic, prompter_, this);
    if (login.exec() == QDialog::Accepted) loginState_ = kLoggedInTag;
    if (login.idleReconnectFailed()) return false;
    return loginState_ == kLoggedInTag;
}

void TForm1::Timer1Timer() {
    Timer1.stop();
    startupRan_ = true;
    showMaximized();
    setEnabled(false);
    if (!runLogin()) {
        prompter_.error(QStringLiteral("密码不正确!您不能运行本程序."));
        endProgram_(1);
        return;
    }
    link_->setLoggedIn(true);
    try {
        loadStationRecord();
        LoadSystemParameters();
        ClientSck.start();
        CheckTimer.start();
        link_->RegisterWithServer();
        AppServer& server = *session_.Connection;
        session_.SocketId = server.GetSockID();
        session_.DatabaseKind = server.GetVer();
        session_.SingleStepMode = server.GetExeMode();
    } catch (const ServerError& error) {
        prompter_.error(QStringLiteral("与服务器通信失败：") + error.message());
    }
    RefreshStatusBar();
    setEnabled(true);
    link_->AlignClockToServer();
    activateWindow();
    setFocus();
}

void TForm1::loadStationRecord() {
    depinf.open(*session_.Connection);
    session_.StationName = depinf.isEmpty() ? QString() : depinf.current().text(depinf.fields().first().name).trimmed();
    depinf.close();
}

void TForm1::LoadSystemParameters() {
    AppServer& server = *session_.Connection;
    if (!Sysdata.isActive()) Sysdata.open(server);
    if (Sysdata.isEmpty()) {
        depinf.open(server);
        const QString telephone = depinf.isEmpty() ? QString() : depinf.text(QStringLiteral("部门电话1")).trimmed();
        depinf.close();
        const SystemParameters first = SystemParameters::firstStart(session_.StationName, telephone);
        // Written as one group, so a failure never leaves a half-filled row behind.
        server.ExecBatch(first.firstStartStatements());
        parameters_ = first;
        Sysdata.refresh(server);
        return;
    }
    parameters_ = SystemParameters::fromRow(Sysdata.toDataSet());
}

void TForm1::layoutStatusPanels() {
    for (size_t i = 0; i < panels_.size(); ++i) {
        int width = kPanelWidths[i];
        if (this->width() > 830 && i == 0) width = 160;
        if (this->width() > 830 && i == 8) width = 130;
        if (i == 7) {
            panels_[i]->setMinimumWidth(width);
        } else {
            panels_[i]->setFixedWidth(width);
        }
    }
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutStatusPanels();
}

void TForm1::RefreshStatusBar() {
    panels_[0]->setText(QStringLiteral("连在:") + session_.ServerHost);
    panels_[1]->setText(QStringLiteral("启用:") + Session::serverLabel(session_.ServerIndex) + QStringLiteral("服务器"));
    panels_[2]->setText(QStringLiteral("在线:") + QString::number(std::max<qsizetype>(onlineList().size() - 1, 0)) +
                        QStringLiteral("人"));
    panels_[3]->setText(QStringLiteral("操作:〖") + session_.OperatorCode + QStringLiteral("〗") + session_.OperatorName);
    panels_[4]->setText(QStringLiteral("职务:") + session_.OperatorRole);
    panels_[5]->setText(QStringLiteral("采用:") + session_.DatabaseKind + QStringLiteral("数据库"));
    panels_[6]->setText(session_.SingleStepMode ? QStringLiteral("模式:单步执行") : QStringLiteral("模式:并发执行"));
    if (panels_[8]->text().isEmpty()) panels_[8]->setText(QStringLiteral("记录:0个"));
}

void TForm1::sendToServer(const QString& text) {
    messages_.RouteServerReply(session_.Connection->Send_Get_Data(text));
}

void TForm1::ClientSckTimer() {
    ClientSck.stop();
    if (!CheckTimer.isActive()) CheckTimer.start();
    try {
        // A dropped connection is made again by this call, so the poll itself reconnects.
        sendToServer(QStringLiteral("If_on_line"));
    } catch (const ServerError&) {
        link_->closeConnection();
    }
    ClientSck.start();
}

void TForm1::CheckTimerTimer() {
    CheckTimer.stop();
    const QDateTime now = QDateTime::currentDateTime();
    if (now >= session_.LastClock) {
        session_.LastClock = now;
    } else {
        if (machine_.hostName() != session_.ServerHost) {
            link_->AlignClockToServer();
        } else {
            machine_.setClock(session_.LastClock);
        }
        notify(kNoticeWarning, QStringLiteral("发现时间被人为往回设!\r\r系统自动设回服务器时间!"));
    }
    const QString stamp = FormatStamp(95, QDateTime::currentDateTime());
    panels_[7]->setText(stamp);
    if (stamp.left(4) < QStringLiteral("2008")) {
        prompter_.error(QStringLiteral("日期不对!本客户程序不能运行."));
        endProgram_(1);
        return;
    }
    CheckTimer.start();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (loginState_ == kLoggedInTag && exitQuestionArmed_ &&
        !prompter_.question(QStringLiteral("你确定要退出本系统吗 ?"))) {
        event->ignore();
        return;
    }
    ClientSck.stop();
    CheckTimer.stop();
    event->accept();
    endProgram_(0);
}

void TForm1::showSummaryNotice() {
    QTimer::singleShot(30, this, [this] {
        if (summaryWindow_ != nullptr) return;
        SummaryNoticeWindow window(this);
        summaryWindow_ = &window;
        window.exec();
        summaryWindow_ = nullptr;
    });
}

void TForm1::closeSummaryNotice() {
    if (summaryWindow_ != nullptr) summaryWindow_->accept();
}

void TForm1::registerWithServer() {
    try {
        link_->RegisterWithServer();
    } catch (const ServerError&) {
    }
}

void TForm1::showStatusText(int panel, const QString& text) {
    if (panel >= 0 && panel < static_cast<int>(panels_.size())) panels_[static_cast<size_t>(panel)]->setText(text);
}

void TForm1::notify(int kind, const QString& text) { notify_(kind, text); }

void TForm1::setClock(const QDateTime& moment) { machine_.setClock(moment); }

void TForm1::refreshDataset(const QString& name) {
    const auto found = datasets_.find(name);
    if (found == datasets_.end() || !found->second->isActive()) return;
    try {
        found->second->refresh(*session_.Connection);
    } catch (const ServerError&) {
    }
}

void TForm1::reloadKeepingRow(const QString& datasetName, const QString& keyField) {
    ClientDataSet& dataset = *datasets_.at(datasetName);
    const QString key = dataset.isEmpty() ? QString() : dataset.text(keyField);
    dataset.refresh(*session_.Connection);
    if (!key.isEmpty()) dataset.FindRecord(keyField, true, key);
}

bool TForm1::reloadMasterTable(const QString& tag) {
    if (tag == u"_Systempara") {
        // Every desk sells with the same fares and rules: take the saved parameters at once.
        Sysdata.close();
        LoadSystemParameters();
        return true;
    }
    struct Cached {
        const char16_t* tag;
        const char16_t* dataset;
        const char16_t* key;
    };
    static constexpr Cached kCached[] = {
        {u"_stabus", u"stabus", u"车次"},
        {u"_roads", u"roads", u"线路编号"},
        {u"_station", u"station", u"站台卡位"},
        {u"_Busdb", u"bus", u"客车编号"},
        {u"_tkPrices", u"tickprice", nullptr},
    };
    for (const Cached& cached : kCached) {
        if (tag != QStringView(cached.tag)) continue;
        const QString name = QString::fromUtf16(cached.dataset);
        const auto found = datasets_.find(name);
        if (found == datasets_.end() || !found->second->isActive()) return false;
        if (cached.key == nullptr) {
            faresStale_ = true;  // the sale desk reloads the fares when it next needs them
        } else {
            reloadKeepingRow(name, QString::fromUtf16(cached.key));
        }
        return true;
    }
    return false;
}

QStringList TForm1::onlineList() const { return connetform_->onlineList(); }

void TForm1::setOnlineList(const QStringList& entries) { connetform_->setOnlineList(entries); }

void TForm1::appendMessageLine(const QString& line) { connetform_->appendLine(line); }

void TForm1::runConsoleRelay() {
    try {
        session_.Connection->RunConsvr();
    } catch (const ServerError&) {
    }
}

void TForm1::endProgram() {
    ClientSck.stop();
    CheckTimer.stop();
    endProgram_(0);
}

void TForm1::shutDownComputer() {
    link_->closeConnection();
    if (!machine_.shutDown()) notify(kNoticeError, QStringLiteral("关机失败：系统拒绝了关机请求。"));
}

void TForm1::abortMessage(const QString& text) { prompter_.error(text); }
