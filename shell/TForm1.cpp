#include "shell/TForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>

#include "common/format_stamp.h"
#include "server/app_server.h"
#include "server/dataset_model.h"
#include "server/schema_names.h"
#include "server/server_error.h"
#include "shell/Tchangepassfm.h"
#include "shell/Tconnetform.h"
#include "shell/Tdepinfform.h"
#include "shell/Tent_passfm.h"
#include "shell/Tlockform.h"
#include "shell/Toperright.h"
#include "shell/departure_table_view.h"
#include "shell/desk_area.h"
#include "shell/grid_dialogs.h"
#include "shell/grid_module.h"
#include "shell/grid_search.h"
#include "shell/login_logic.h"
#include "shell/menu_map.h"
#include "shell/module_gate.h"
#include "shell/notice.h"
#include "shell/operation_log.h"
#include "shell/operation_log_view.h"
#include "shell/organisation_record.h"
#include "shell/platform/autostart.h"
#include "shell/platform/machine.h"
#include "shell/product.h"
#include "shell/prompter.h"
#include "shell/record_deletion.h"
#include "shell/server_link.h"
#include "shell/settings.h"
#include "shell/summary_notice.h"

namespace {

constexpr int kPollMillis = 5000;
constexpr int kClockGuardMillis = 3000;
constexpr std::array<int, 9> kPanelWidths = {135, 90, 68, 120, 95, 106, 85, 2, 50};
constexpr int kTitleStripHeight = 33;
constexpr int kToolButtonWidth = 31;
constexpr int kParameterControlsFromRight = 110;

const QString kNotInstalled = QStringLiteral("本功能模块尚未安装");

QString entryKey(const QString& menuCaption, const QString& entryCaption) {
    return menuCaption + u'/' + entryCaption;
}

// The menu entries behind the seven picture buttons, in button order.
const std::array<std::pair<const QString*, QString>, DeskArea::kPictureButtons> kPictureButtonEntries = {{
    {&menu::TicketMenu, QStringLiteral("&1.售票登记")},
    {&menu::TicketMenu, QStringLiteral("&2.售票系统")},
    {&menu::TicketMenu, QStringLiteral("&3.检票系统")},
    {&menu::TicketMenu, QStringLiteral("&6.车次日结")},
    {&menu::TicketMenu, QStringLiteral("&A.班次管理")},
    {&menu::TicketMenu, QStringLiteral("&9.售座情况")},
    {&menu::AuxiliaryMenu, menu::LockScreen},
}};

}  // namespace

TForm1::TForm1(Settings& settings, Machine& machine, Prompter& prompter, const QString& programFolder,
               QWidget* parent)
    : QMainWindow(parent),
      Sysdata(provider::SystemParameters),
      depinf(provider::Department),
      Query(provider::Query),
      Query3(provider::Query3),
      Led(provider::Query3),
      operater(provider::Operators),
      modright(provider::OperatorRights),
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

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildTitleStrip();
    layout->addWidget(titleStrip_);
    desk_ = new DeskArea(central);
    layout->addWidget(desk_, 1);
    DBGrid1 = new QTableView;
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setAlternatingRowColors(true);
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    DBGrid1->verticalHeader()->setDefaultSectionSize(22);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->installEventFilter(this);
    desk_->setGrid(DBGrid1);
    DBGrid1->hide();
    connect(DBGrid1, &QTableView::doubleClicked, this, [this] { runToolAction(ToolAction::Edit); });
    infoStrip_ = new QLabel(central);
    infoStrip_->setObjectName(QStringLiteral("InfoStrip"));
    infoStrip_->setStyleSheet(
        QStringLiteral("QLabel { background: #fffbe6; color: #7a4a00; padding: 2px 6px;"
                       " border-top: 1px solid #d8c890; }"));
    infoStrip_->hide();
    layout->addWidget(infoStrip_);
    setCentralWidget(central);
    buildMenus();
    buildGridMenu();
    connectMenuEntries();
    for (int i = 0; i < DeskArea::kPictureButtons; ++i) {
        const auto& [menuCaption, entryCaption] = kPictureButtonEntries[static_cast<size_t>(i)];
        QAction* entry = menuAction(*menuCaption, entryCaption);
        PictureButton* button = desk_->pictureButton(i);
        button->setEnabled(entry->isEnabled());
        button->setToolTip(entry->isEnabled() ? QString() : kNotInstalled);
        connect(button, &QPushButton::clicked, entry, &QAction::trigger);
    }
    resize(1024, 700);
    setEnabled(false);

    connetform_ = new Tconnetform(
        session_, [this](const QString& text) { sendToServer(text); }, this);
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
        for (auto& [name, dataset] : datasets_)
            dataset->close();
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
    for (ClientDataSet* dataset : {&Sysdata, &depinf, &Query, &Query3, &Led, &operater, &modright}) {
        registerDataset(*dataset);
    }
    ResetWorkspace(0);
}

TForm1::~TForm1() = default;

void TForm1::buildTitleStrip() {
    titleStrip_ = new QWidget(this);
    titleStrip_->setObjectName(QStringLiteral("TitleStrip"));
    titleStrip_->setFixedHeight(kTitleStripHeight);
    titleStrip_->setAttribute(Qt::WA_StyledBackground);
    titleStrip_->setStyleSheet(QStringLiteral(
        "#TitleStrip { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f4f7fb, stop:1 #d9e2ee);"
        " border-bottom: 1px solid #9fb0c8; }"
        "QToolButton { font-weight: bold; color: #1d3b66; border: 1px solid transparent; border-radius: 3px; "
        "}"
        "QToolButton:hover { border-color: #7f9cc4; background: #fff3d0; }"
        "QToolButton:disabled { color: #a9b3c0; }"));
    auto* strip = new QHBoxLayout(titleStrip_);
    strip->setContentsMargins(2, 1, kParameterControlsFromRight, 1);
    strip->setSpacing(1);
    for (int i = 0; i < kToolActionCount; ++i) {
        auto* button = new QToolButton(titleStrip_);
        button->setObjectName(QStringLiteral("ToolButton%1").arg(i + 1));
        button->setText(QString::number(i + 1));
        button->setFixedSize(kToolButtonWidth, kTitleStripHeight - 4);
        button->setFocusPolicy(Qt::NoFocus);
        const auto action = static_cast<ToolAction>(i);
        connect(button, &QToolButton::clicked, this, [this, action] { runToolAction(action); });
        toolButtons_[static_cast<size_t>(i)] = button;
        strip->addWidget(button);
    }
    titleLabel_ = new QLabel(titleStrip_);
    titleLabel_->setObjectName(QStringLiteral("TitleLabel"));
    titleLabel_->setAlignment(Qt::AlignCenter);
    titleLabel_->setStyleSheet(
        QStringLiteral("QLabel { font-size: 16px; font-weight: bold; color: #12305a; }"));
    strip->addWidget(titleLabel_, 1);
    DateTimePicker1 = new QDateEdit(QDate::currentDate(), titleStrip_);
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    strip->addWidget(DateTimePicker1);
    yearMonthBar_ = new QWidget(titleStrip_);
    auto* yearMonth = new QHBoxLayout(yearMonthBar_);
    yearMonth->setContentsMargins(0, 0, 0, 0);
    YearList = new QComboBox(yearMonthBar_);
    const int year = QDate::currentDate().year();
    for (int y = year; y >= year - 6; --y)
        YearList->addItem(QString::number(y));
    MonthList = new QComboBox(yearMonthBar_);
    for (int m = 1; m <= 12; ++m)
        MonthList->addItem(QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')));
    MonthList->setCurrentIndex(QDate::currentDate().month() - 1);
    yearMonth->addWidget(YearList);
    yearMonth->addWidget(MonthList);
    strip->addWidget(yearMonthBar_);
}

void TForm1::buildMenus() {
    for (const MainMenu& mainMenu : MainMenuMap()) {
        if (mainMenu.entries.isEmpty()) {
            QAction* entry = menuBar()->addAction(mainMenu.caption);
            menuActions_[entryKey(mainMenu.caption, QString())] = entry;
            continue;
        }
        QMenu* dropDown = menuBar()->addMenu(mainMenu.caption);
        dropDown->setToolTipsVisible(true);
        for (const MenuEntry& item : mainMenu.entries) {
            if (item.caption.isEmpty()) {
                dropDown->addSeparator();
                continue;
            }
            QAction* entry = dropDown->addAction(item.caption);
            if (!item.shortcut.isEmpty())
                entry->setShortcut(QKeySequence(item.shortcut));
            entry->setEnabled(false);
            entry->setToolTip(kNotInstalled);
            menuActions_[entryKey(mainMenu.caption, item.caption)] = entry;
        }
    }
}

void TForm1::buildGridMenu() {
    gridMenu_ = new QMenu(this);
    const auto add = [this](QMenu* menu, const QString& caption, ToolAction action) {
        QAction* entry = menu->addAction(caption);
        connect(entry, &QAction::triggered, this, [this, action] { runToolAction(action); });
        connect(gridMenu_, &QMenu::aboutToShow, entry,
                [this, entry, action] { entry->setEnabled(toolButton(action)->isEnabled()); });
    };
    add(gridMenu_, QStringLiteral("&1.新增       Ctrl+N"), ToolAction::Add);
    add(gridMenu_, QStringLiteral("&2.修改       Ctrl+M"), ToolAction::Edit);
    add(gridMenu_, QStringLiteral("&3.删除       Delete"), ToolAction::Delete);
    QMenu* find = gridMenu_->addMenu(QStringLiteral("&4.查找"));
    add(find, QStringLiteral("&1.查找首个       Ctrl+F"), ToolAction::Find);
    QAction* findNext = find->addAction(QStringLiteral("&2.查找下一个     F3"));
    connect(findNext, &QAction::triggered, this, &TForm1::findNext);
    connect(gridMenu_, &QMenu::aboutToShow, findNext,
            [this, findNext] { findNext->setEnabled(toolButton(ToolAction::Find)->isEnabled()); });
    add(gridMenu_, QStringLiteral("&5.筛选       Ctrl+X"), ToolAction::Filter);
    add(gridMenu_, QStringLiteral("&6.打印       Ctrl+P"), ToolAction::Print);
    add(gridMenu_, QStringLiteral("&7.关闭       Ctrl+S"), ToolAction::Close);
    connect(DBGrid1, &QTableView::customContextMenuRequested, this,
            [this](const QPoint& at) { gridMenu_->popup(DBGrid1->viewport()->mapToGlobal(at)); });
}

QAction* TForm1::menuAction(const QString& menuCaption, const QString& entryCaption) const {
    const auto found = menuActions_.find(entryKey(menuCaption, entryCaption));
    return found == menuActions_.end() ? nullptr : found->second;
}

void TForm1::onEntry(const QString& menuCaption, const QString& entryCaption,
                     std::function<void(QAction*)> handler) {
    QAction* entry = menuAction(menuCaption, entryCaption);
    entry->setEnabled(true);
    entry->setToolTip(QString());
    connect(entry, &QAction::triggered, this, [entry, handler = std::move(handler)] { handler(entry); });
}

void TForm1::connectMenuEntries() {
    onEntry(menu::SystemMenu, menu::Organisation, [this](QAction* entry) { openOrganisation(entry); });
    onEntry(menu::SystemMenu, menu::OperatorRights,
            [this](QAction* entry) { openRightsAdministration(entry); });
    onEntry(menu::SystemMenu, menu::Autorun, [this](QAction* entry) { toggleAutorun(entry->isChecked()); });
    autorunEntry_ = menuAction(menu::SystemMenu, menu::Autorun);
    autorunEntry_->setCheckable(true);
    autorunEntry_->setChecked(settings_.autorun());
    onEntry(menu::SystemMenu, menu::Quit, [this](QAction*) { close(); });
    onEntry(menu::TicketMenu, menu::Departures, [this](QAction* entry) {
        if (!EnterModule(entry))
            return;
        openGridModule(std::make_unique<DepartureTableView>(*session_.Connection, session_, prompter_, Led));
    });
    onEntry(menu::AuxiliaryMenu, menu::ChangePassword, [this](QAction*) { changePassword(); });
    onEntry(menu::AuxiliaryMenu, menu::OperationLog, [this](QAction* entry) {
        if (!EnterModule(entry))
            return;
        openGridModule(std::make_unique<OperationLogView>(*session_.Connection, Query));
    });
    onEntry(menu::AuxiliaryMenu, menu::Messaging, [this](QAction*) {
        connetform_->show();
        connetform_->raise();
    });
    onEntry(menu::AuxiliaryMenu, menu::LockScreen, [this](QAction*) { lockScreen(); });
    onEntry(menu::AboutMenu, QString(), [this](QAction*) { showAbout(); });
}

QString TForm1::titleText() const {
    return titleLabel_->text();
}

bool TForm1::gridShown() const {
    return !DBGrid1->isHidden();
}

OperationLog TForm1::operationLog() {
    return OperationLog(*session_.Connection, session_, machine_.hostName());
}

bool TForm1::EnterModule(QAction* entry) {
    if (toolButton(ToolAction::Close)->isEnabled())
        ResetWorkspace(0);
    session_.Rights = ModuleRights{};
    if (entry->isCheckable() && entry->isChecked())
        return false;
    if (session_.CurrentModule != OperationLog::kNoModule)
        ResetWorkspace(0);
    try {
        OperationLog log = operationLog();
        ModuleGate gate(*session_.Connection, session_, prompter_, log);
        if (!gate.admit(entry->text()))
            return false;
    } catch (const ServerError& error) {
        prompter_.error(error.message());
        return false;
    }
    entry->setCheckable(true);
    entry->setChecked(true);
    return true;
}

void TForm1::ResetWorkspace(int mode) {
    for (int i = 0; i < kToolActionCount; ++i)
        toolButtons_[static_cast<size_t>(i)]->setToolTip(DefaultToolHint(static_cast<ToolAction>(i)));
    if (mode == 0) {
        DateTimePicker1->hide();
        yearMonthBar_->hide();
        infoStrip_->clear();
        titleLabel_->setText(session_.StationName);
        desk_->setStationName(session_.StationName);
        panels_[8]->setText(QStringLiteral("记录:0个"));
        for (QToolButton* button : toolButtons_)
            button->setEnabled(false);
        DBGrid1->setModel(nullptr);
        gridModel_.reset();
        gridModule_.reset();
        lastSearch_ = {};
        DBGrid1->hide();
        for (auto& [name, dataset] : datasets_)
            dataset->close();
        if (session_.Connection != nullptr)
            operationLog().LogModuleExit();
        for (auto& [key, entry] : menuActions_) {
            if (entry == autorunEntry_ || !entry->isCheckable())
                continue;
            entry->setChecked(false);
            entry->setCheckable(false);
        }
        RefreshStatusBar();
    } else {
        const auto enabled = ToolButtonsEnabled(mode);
        for (size_t i = 0; i < toolButtons_.size(); ++i)
            toolButtons_[i]->setEnabled(enabled[i]);
        DBGrid1->show();
    }
    infoStrip_->setVisible(gridShown());
}

void TForm1::openGridModule(std::unique_ptr<GridModule> module) {
    try {
        module->open();
    } catch (const ServerError& error) {
        prompter_.error(error.message());
        ResetWorkspace(0);
        return;
    }
    ResetWorkspace(module->toolbarMode());
    titleLabel_->setText(module->title());
    for (int i = 0; i < kToolActionCount; ++i) {
        const QString hint = module->hint(static_cast<ToolAction>(i));
        if (!hint.isEmpty())
            toolButtons_[static_cast<size_t>(i)]->setToolTip(hint);
    }
    gridModel_ = std::make_unique<DataSetModel>(module->dataSet());
    DBGrid1->setModel(gridModel_.get());
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, gridModel_.get(),
            [this](const QModelIndex& current) { gridModel_->moveCursorTo(current); });
    connect(gridModel_.get(), &DataSetModel::cursorRowChanged, DBGrid1, [this](int row) {
        if (row >= 0 && DBGrid1->currentIndex().row() != row)
            DBGrid1->selectRow(row);
    });
    DBGrid1->resizeColumnsToContents();
    for (int column = 0; column + 1 < gridModel_->columnCount(); ++column) {
        DBGrid1->setColumnWidth(column, DBGrid1->columnWidth(column) + 16);
    }
    if (gridModel_->cursorRow() >= 0)
        DBGrid1->selectRow(gridModel_->cursorRow());
    gridModule_ = std::move(module);
    DBGrid1->setFocus();
    showRecordCount();
}

void TForm1::showRecordCount() {
    const int count = gridModule_ ? gridModule_->dataSet().recordCount() : 0;
    panels_[8]->setText(QStringLiteral("记录:") + QString::number(count) + QStringLiteral("个"));
}

void TForm1::runToolAction(ToolAction action) {
    if (!toolButton(action)->isEnabled())
        return;
    const QString refusal = ToolRefusal(action, session_.Rights);
    if (!refusal.isEmpty()) {
        prompter_.error(refusal);
        return;
    }
    if (action == ToolAction::Close) {
        ResetWorkspace(0);
        return;
    }
    if (action == ToolAction::Add)
        session_.AddMode = true;
    if (action == ToolAction::Edit)
        session_.AddMode = false;
    try {
        if (gridModule_ && gridModule_->run(action)) {
            showRecordCount();
            return;
        }
        if (gridModule_)
            runGenericAction(action);
    } catch (const ServerError& error) {
        prompter_.error(error.message());
    }
    showRecordCount();
}

void TForm1::runGenericAction(ToolAction action) {
    ClientDataSet& rows = gridModule_->dataSet();
    switch (action) {
        case ToolAction::Edit:
            if (gridModule_->hasFieldEditor() && session_.isAdministrator() && !rows.isEmpty()) {
                TFieldEditor editor(rows, this);
                if (editor.exec() == QDialog::Accepted)
                    gridModule_->writeField(editor.field(), editor.value());
            }
            break;
        case ToolAction::Delete:
            deleteCurrentRow();
            break;
        case ToolAction::Find: {
            TFindDialog dialog(rows, this);
            dialog.exec();
            lastSearch_ = {dialog.FieldList->currentText(), dialog.TextEdit->text()};
            break;
        }
        case ToolAction::Filter:
            TFilterDialog(rows, this).exec();
            break;
        case ToolAction::Print:
            prompter_.information(QStringLiteral("打印模块尚未安装。"));
            break;
        default:
            break;
    }
    if (rows.recNo() > 0)
        DBGrid1->selectRow(rows.recNo() - 1);
}

// Repeats the last search from the row after the current one; without one, opens the find dialog.
void TForm1::findNext() {
    if (!gridModule_ || lastSearch_.second.isEmpty()) {
        runToolAction(ToolAction::Find);
        return;
    }
    ClientDataSet& rows = gridModule_->dataSet();
    if (FindContaining(rows, lastSearch_.first, lastSearch_.second, false))
        DBGrid1->selectRow(rows.recNo() - 1);
}

void TForm1::deleteCurrentRow() {
    if (!gridModule_)
        return;
    try {
        RecordDeletion(*session_.Connection, session_, prompter_)
            .deleteCurrent(gridModule_->dataSet(), session_.CurrentModule);
    } catch (const ServerError&) {
        // A failed deletion leaves the row where it was; the grid shows what the server holds.
    }
}

void TForm1::openFirstMenu() {
    const QList<QAction*> menus = menuBar()->actions();
    if (!menus.isEmpty())
        menuBar()->setActiveAction(menus.first());
}

bool TForm1::handleKey(int key, const QString& text) {
    if (key == Qt::Key_F11) {
        lockScreen();
        return true;
    }
    if (key == Qt::Key_F5)
        return true;  // card reporting arrives with the card link
    if (key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta)
        return false;
    const QString letter = text.toUpper();
    if (!gridShown()) {
        if (key == Qt::Key_Escape) {
            close();
        } else if (key >= Qt::Key_1 && key <= Qt::Key_7) {
            PictureButton* button = desk_->pictureButton(key - Qt::Key_1);
            if (button->isEnabled())
                button->click();
        } else if (letter == u"M") {
            menuAction(menu::AuxiliaryMenu, menu::ChangePassword)->trigger();
        } else if (letter == u"T") {
            menuAction(menu::AuxiliaryMenu, menu::Messaging)->trigger();
        } else {
            openFirstMenu();
        }
        return true;
    }
    if (key == Qt::Key_Escape) {
        runToolAction(ToolAction::Close);
    } else if (key >= Qt::Key_1 && key <= Qt::Key_8) {
        runToolAction(static_cast<ToolAction>(key - Qt::Key_1));
    } else if (key == Qt::Key_Plus || key == Qt::Key_Minus) {
        const int row = DBGrid1->currentIndex().row() + (key == Qt::Key_Plus ? 1 : -1);
        if (row >= 0 && row < DBGrid1->model()->rowCount())
            DBGrid1->selectRow(row);
    } else if (key == Qt::Key_Period) {
        runToolAction(ToolAction::Delete);
    } else if (key == Qt::Key_Space || key == Qt::Key_0) {
        openFirstMenu();
    } else {
        runToolAction(ToolAction::Edit);
    }
    return true;
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(event->key(), event->text()))
        QMainWindow::keyPressEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Arrow and page keys keep moving through the grid.
        const bool navigation =
            key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_PageUp ||
            key->key() == Qt::Key_PageDown || key->key() == Qt::Key_Home || key->key() == Qt::Key_End ||
            key->key() == Qt::Key_Left || key->key() == Qt::Key_Right || key->key() == Qt::Key_Tab;
        if (!navigation)
            return handleKey(key->key(), key->text());
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::openOrganisation(QAction* entry) {
    if (!EnterModule(entry))
        return;
    titleLabel_->setText(QStringLiteral("使用单位信息"));
    try {
        OrganisationRecord record(*session_.Connection, depinf);
        Tdepinfform window(record, session_.Rights.CanEdit, this);
        window.exec();
        loadStationRecord();
    } catch (const ServerError& error) {
        prompter_.error(error.message());
    }
    ResetWorkspace(0);
}

void TForm1::openRightsAdministration(QAction* entry) {
    if (!EnterModule(entry))
        return;
    titleLabel_->setText(QStringLiteral("操作员权限设定"));
    try {
        Toperright window(
            *session_.Connection, session_, prompter_, operater, modright, [this] { return onlineList(); },
            [this](const QString& text) { sendToServer(text); }, this);
        window.exec();
    } catch (const ServerError& error) {
        prompter_.error(error.message());
    }
    ResetWorkspace(0);
    RefreshStatusBar();
}

void TForm1::changePassword() {
    Tchangepassfm::Run(session_, prompter_, this);
    ResetWorkspace(0);
}

void TForm1::toggleAutorun(bool enabled) {
    if (autostart_ == nullptr) {
        desktopAutostart_ = std::make_unique<DesktopAutostart>();
        autostart_ = desktopAutostart_.get();
    }
    if (!settings_.SetAutorun(enabled, *autostart_, QCoreApplication::applicationFilePath())) {
        autorunEntry_->setChecked(settings_.autorun());
        prompter_.error(QStringLiteral("无法更改自动运行设置。"));
    }
}

void TForm1::lockScreen() {
    Tlockform lock(
        [this](const QString& typed) {
            try {
                return session_.Connection->CheckPassword(session_.OperatorCode, typed);
            } catch (const ServerError&) {
                // Without the server the desk still opens for the password typed at login.
                return typed == session_.OperatorPassword;
            }
        },
        this);
    lock.exec();
    notify(kNoticeInfoPlain, FormatStamp(45, QDateTime::currentDateTime()) + u'\r' + session_.OperatorRole +
                                 u'[' + session_.OperatorName + QStringLiteral("]回来了！"));
}

void TForm1::showAbout() {
    QMessageBox::about(this, QStringLiteral("关于"),
                       kProductTitle +
                           QStringLiteral("\n\n长途汽车站售票、检票、结算与调度的联网工作站。\n"
                                          "服务器：") +
                           session_.ServerHost);
}

void TForm1::setNotifier(std::function<void(int, const QString&)> notify) {
    notify_ = notify;
    link_->setNotifier(std::move(notify));
}

void TForm1::registerDataset(ClientDataSet& dataset) {
    datasets_[dataset.objectName()] = &dataset;
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!startupRan_ && !Timer1.isActive())
        Timer1.start();
}

bool TForm1::runLogin() {
    LoginLogic logic(session_, settings_, *link_);
    Tent_passfm login(logic, prompter_, this);
    if (login.exec() == QDialog::Accepted)
        loginState_ = kLoggedInTag;
    if (login.idleReconnectFailed())
        return false;
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
    ResetWorkspace(0);
    setEnabled(true);
    link_->AlignClockToServer();
    activateWindow();
    setFocus();
}

void TForm1::loadStationRecord() {
    depinf.open(*session_.Connection);
    session_.StationName =
        depinf.isEmpty() ? QString() : depinf.current().text(depinf.fields().first().name).trimmed();
    depinf.close();
}

void TForm1::LoadSystemParameters() {
    AppServer& server = *session_.Connection;
    if (!Sysdata.isActive())
        Sysdata.open(server);
    if (Sysdata.isEmpty()) {
        depinf.open(server);
        const QString telephone =
            depinf.isEmpty() ? QString() : depinf.text(QStringLiteral("部门电话1")).trimmed();
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
        if (this->width() > 830 && i == 0)
            width = 160;
        if (this->width() > 830 && i == 8)
            width = 130;
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
    panels_[1]->setText(QStringLiteral("启用:") + Session::serverLabel(session_.ServerIndex) +
                        QStringLiteral("服务器"));
    panels_[2]->setText(QStringLiteral("在线:") +
                        QString::number(std::max<qsizetype>(onlineList().size() - 1, 0)) +
                        QStringLiteral("人"));
    panels_[3]->setText(QStringLiteral("操作:〖") + session_.OperatorCode + QStringLiteral("〗") +
                        session_.OperatorName);
    panels_[4]->setText(QStringLiteral("职务:") + session_.OperatorRole);
    panels_[5]->setText(QStringLiteral("采用:") + session_.DatabaseKind + QStringLiteral("数据库"));
    panels_[6]->setText(session_.SingleStepMode ? QStringLiteral("模式:单步执行")
                                                : QStringLiteral("模式:并发执行"));
    showRecordCount();
}

void TForm1::sendToServer(const QString& text) {
    messages_.RouteServerReply(session_.Connection->Send_Get_Data(text));
}

void TForm1::ClientSckTimer() {
    ClientSck.stop();
    if (!CheckTimer.isActive())
        CheckTimer.start();
    try {
        // A dropped connection is made again by this call, so the poll itself reconnects.
        sendToServer(QStringLiteral("If_on_line"));
        link_->pollSucceeded();
    } catch (const ServerError& error) {
        if (error.isConnectionFailure())
            link_->pollFailed();
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
    if (exitQuestionArmed_ && (session_.CurrentModule != OperationLog::kNoModule || gridShown())) {
        // Closing with a module open closes the module and keeps the program running.
        ResetWorkspace(0);
        event->ignore();
        return;
    }
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
        if (summaryWindow_ != nullptr)
            return;
        SummaryNoticeWindow window(this);
        summaryWindow_ = &window;
        window.exec();
        summaryWindow_ = nullptr;
    });
}

void TForm1::closeSummaryNotice() {
    if (summaryWindow_ != nullptr)
        summaryWindow_->accept();
}

void TForm1::registerWithServer() {
    try {
        link_->RegisterWithServer();
    } catch (const ServerError&) {
    }
}

void TForm1::showStatusText(int panel, const QString& text) {
    if (panel >= 0 && panel < static_cast<int>(panels_.size()))
        panels_[static_cast<size_t>(panel)]->setText(text);
}

void TForm1::notify(int kind, const QString& text) {
    notify_(kind, text);
}

void TForm1::setClock(const QDateTime& moment) {
    machine_.setClock(moment);
}

void TForm1::refreshDataset(const QString& name) {
    const auto found = datasets_.find(name);
    if (found == datasets_.end() || !found->second->isActive())
        return;
    try {
        found->second->refresh(*session_.Connection);
    } catch (const ServerError&) {
    }
}

void TForm1::reloadKeepingRow(const QString& datasetName, const QString& keyField) {
    ClientDataSet& dataset = *datasets_.at(datasetName);
    const QString key = dataset.isEmpty() ? QString() : dataset.text(keyField);
    dataset.refresh(*session_.Connection);
    if (!key.isEmpty())
        dataset.FindRecord(keyField, true, key);
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
        {u"_stabus", u"stabus", u"车次"},       {u"_roads", u"roads", u"线路编号"},
        {u"_station", u"station", u"站台卡位"}, {u"_Busdb", u"bus", u"客车编号"},
        {u"_tkPrices", u"tickprice", nullptr},
    };
    for (const Cached& cached : kCached) {
        if (tag != QStringView(cached.tag))
            continue;
        const QString name = QString::fromUtf16(cached.dataset);
        const auto found = datasets_.find(name);
        if (found == datasets_.end() || !found->second->isActive())
            return false;
        if (cached.key == nullptr) {
            faresStale_ = true;  // the sale desk reloads the fares when it next needs them
        } else {
            reloadKeepingRow(name, QString::fromUtf16(cached.key));
        }
        return true;
    }
    return false;
}

QStringList TForm1::onlineList() const {
    return connetform_->onlineList();
}

void TForm1::setOnlineList(const QStringList& entries) {
    connetform_->setOnlineList(entries);
}

void TForm1::appendMessageLine(const QString& line) {
    connetform_->appendLine(line);
}

void TForm1::runConsoleRelay() {
    try {
        session_.Connection->RunConsvr();
    } catch (const ServerError&) {
    }
}

void TForm1::endProgram() {
    ClientSck.stop();
    CheckTimer.stop();
    // An ordered end: the open module is closed first, so its log row gets its exit time.
    if (session_.CurrentModule != OperationLog::kNoModule) ResetWorkspace(0);
    endProgram_(0);
}

void TForm1::shutDownComputer() {
    link_->closeConnection();
    if (!machine_.shutDown())
        notify(kNoticeError, QStringLiteral("关机失败：系统拒绝了关机请求。"));
}

void TForm1::abortMessage(const QString& text) {
    prompter_.error(text);
}
