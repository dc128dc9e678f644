#include "shell/Toperright.h"

#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

#include "server/client_dataset.h"
#include "server/dataset_model.h"
#include "server/server_error.h"
#include "shell/Taddoperform.h"
#include "shell/menu_map.h"
#include "shell/operator_editor.h"
#include "shell/prompter.h"
#include "shell/session.h"

namespace {

const QString kOperatorHint = QStringLiteral("说明：右键可弹出编辑菜单（但第一条记录不能删除）");
const QString kModuleHint =
    QStringLiteral("说明：在对应模块项目上双击鼠标即可被选，若是“系统管理员”其已拥有全权（选择无效）。");
const QString kRightsHint =
    QStringLiteral("说明：True表示有权，False无权。双击鼠标左键可更改操作权限，右键可弹出更改菜单。");

// Rights read as True and False in the grid.
class TrueFalseModel : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        const QVariant value = QIdentityProxyModel::data(index, role);
        if (role != Qt::DisplayRole || index.column() < 2)
            return value;
        return value.toString() == u"1" ? QStringLiteral("True") : QStringLiteral("False");
    }
};

QTableView* makeGrid(QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    grid->setAlternatingRowColors(true);
    grid->verticalHeader()->setDefaultSectionSize(22);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

}  // namespace

Toperright::Toperright(AppServer& server, Session& session, Prompter& prompter, ClientDataSet& operators,
                       ClientDataSet& rights, std::function<QStringList()> onlineList,
                       std::function<void(const QString&)> relay, QWidget* parent)
    : QDialog(parent),
      server_(server),
      session_(session),
      prompter_(prompter),
      operators_(operators),
      rights_(rights),
      onlineList_(std::move(onlineList)),
      relay_(std::move(relay)),
      admin_(server, session, prompter, operators, rights) {
    setObjectName(QStringLiteral("operright"));
    setWindowTitle(QStringLiteral("操作员使用权限设置"));
    resize(980, 560);
    admin_.open();

    DBGrid2 = makeGrid(this);
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    operatorModel_ = std::make_unique<DataSetModel>(operators_);
    DBGrid2->setModel(operatorModel_.get());
    // The server never sends passwords: the column stays hidden for everybody.
    const int passwordColumn = RecordView::indexOf(operators_.fields(), QStringLiteral("操作员密码"));
    if (passwordColumn >= 0)
        DBGrid2->setColumnHidden(passwordColumn, true);
    DBGrid2->selectRow(0);
    connect(DBGrid2->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now) {
                operatorModel_->moveCursorTo(now);
                admin_.followOperator();
            });
    connect(DBGrid2, &QTableView::doubleClicked, this, &Toperright::editOperator);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->addItems(GrantableModules());
    ListBox1->setCurrentRow(0);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { Button1->click(); });

    DBGrid1 = makeGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    rightsModel_ = std::make_unique<DataSetModel>(rights_);
    auto* shown = new TrueFalseModel(this);
    shown->setSourceModel(rightsModel_.get());
    DBGrid1->setModel(shown);
    DBGrid1->setColumnHidden(0, true);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now) {
                if (now.isValid())
                    rights_.setRecNo(now.row() + 1);
            });
    connect(DBGrid1, &QTableView::clicked, this, [this](const QModelIndex& cell) {
        columnMode_ = false;
        selectedColumn_ = cell.column();
    });
    connect(DBGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        columnMode_ = true;
        selectedColumn_ = column < 2 ? 2 : column;
        DBGrid1->selectColumn(selectedColumn_);
    });
    connect(DBGrid1, &QTableView::doubleClicked, this, &Toperright::RightsDoubleClick);

    Button1 = new QPushButton(QStringLiteral("选一"), this);
    Button1->setToolTip(QStringLiteral("选中一项"));
    Button2 = new QPushButton(QStringLiteral("全选"), this);
    Button2->setToolTip(QStringLiteral("全部选中"));
    Button3 = new QPushButton(QStringLiteral("移除一项"), this);
    Button3->setToolTip(QStringLiteral("移除一项"));
    Button4 = new QPushButton(QStringLiteral("全部移除"), this);
    Button4->setToolTip(QStringLiteral("全部移除"));
    Button5 = new QPushButton(QStringLiteral("关 闭"), this);
    connect(Button1, &QPushButton::clicked, this, [this] {
        if (ListBox1->currentItem() != nullptr)
            run([this] { admin_.grant(ListBox1->currentItem()->text()); });
    });
    connect(Button2, &QPushButton::clicked, this,
            [this] { run([this] { admin_.grantAll(GrantableModules()); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { run([this] { admin_.removeOne(); }); });
    connect(Button4, &QPushButton::clicked, this, [this] { run([this] { admin_.removeAll(); }); });
    connect(Button5, &QPushButton::clicked, this, &QDialog::reject);

    HintLabel = new QLabel(kOperatorHint, this);
    HintLabel->setStyleSheet(QStringLiteral("QLabel { color: #7a4a00; background: #fffbe6; padding: 3px; }"));

    auto* layout = new QGridLayout(this);
    const auto title = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        label->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; color: #12305a; }"));
        return label;
    };
    layout->addWidget(title(QStringLiteral("操作员")), 0, 0);
    layout->addWidget(title(QStringLiteral("功能模块")), 0, 1);
    layout->addWidget(title(QStringLiteral("已有权限")), 0, 3);
    layout->addWidget(DBGrid2, 1, 0);
    layout->addWidget(ListBox1, 1, 1);
    auto* middle = new QVBoxLayout;
    middle->addStretch();
    for (QPushButton* button : {Button1, Button2, Button3, Button4})
        middle->addWidget(button);
    middle->addStretch();
    layout->addLayout(middle, 1, 2);
    layout->addWidget(DBGrid1, 1, 3);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    layout->setColumnStretch(3, 4);
    layout->addWidget(HintLabel, 2, 0, 1, 3);
    layout->addWidget(Button5, 2, 3, Qt::AlignRight);

    DBGrid2->installEventFilter(this);
    ListBox1->installEventFilter(this);
    DBGrid1->installEventFilter(this);
    buildOperatorMenu();
    buildRightsMenu();
}

Toperright::~Toperright() = default;

void Toperright::run(const std::function<void()>& action) {
    try {
        action();
    } catch (const ServerError& error) {
        prompter_.error(error.message());
    }
}

void Toperright::buildOperatorMenu() {
    operatorMenu_ = new QMenu(this);
    QAction* add = operatorMenu_->addAction(QStringLiteral("&1.新增"), this, &Toperright::addOperator);
    add->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    QAction* edit = operatorMenu_->addAction(QStringLiteral("&2.修改"), this, &Toperright::editOperator);
    edit->setShortcut(QKeySequence(QStringLiteral("Ctrl+M")));
    QAction* remove = operatorMenu_->addAction(QStringLiteral("&3.删除"), this, &Toperright::deleteOperator);
    remove->setShortcut(QKeySequence(Qt::Key_Delete));
    for (QAction* entry : {add, edit, remove})
        entry->setShortcutContext(Qt::WidgetShortcut);
    DBGrid2->addActions({add, edit, remove});
    connect(operatorMenu_, &QMenu::aboutToShow, this, [this, add, edit, remove] {
        add->setEnabled(session_.Rights.CanAdd);
        edit->setEnabled(session_.Rights.CanEdit && !operators_.isEmpty());
        remove->setEnabled(session_.Rights.CanDelete && operators_.recordCount() > 1);
    });
    connect(DBGrid2, &QTableView::customContextMenuRequested, this,
            [this](const QPoint& at) { operatorMenu_->popup(DBGrid2->viewport()->mapToGlobal(at)); });
}

void Toperright::buildRightsMenu() {
    rightsMenu_ = new QMenu(this);
    const auto entry = [this](const QString& caption, std::function<void()> action) {
        rightsMenu_->addAction(caption, this, [this, action = std::move(action)] { run(action); });
    };
    entry(QStringLiteral("本项设为:True"), [this] { admin_.setCell(selectedRightColumn(), true); });
    entry(QStringLiteral("整行设为:True"), [this] { admin_.setRow(true); });
    entry(QStringLiteral("整列设为:True"), [this] { admin_.setColumn(selectedRightColumn(), true); });
    rightsMenu_->addSeparator();
    entry(QStringLiteral("本项设为:False"), [this] { admin_.setCell(selectedRightColumn(), false); });
    entry(QStringLiteral("整行设为:False"), [this] { admin_.setRow(false); });
    entry(QStringLiteral("整列设为:False"), [this] { admin_.setColumn(selectedRightColumn(), false); });
    connect(DBGrid1, &QTableView::customContextMenuRequested, this, [this](const QPoint& at) {
        const QModelIndex cell = DBGrid1->indexAt(at);
        if (cell.isValid()) {
            selectedColumn_ = cell.column();
            rights_.setRecNo(cell.row() + 1);
        }
        rightsMenu_->popup(DBGrid1->viewport()->mapToGlobal(at));
    });
}

QString Toperright::selectedRightColumn() const {
    if (selectedColumn_ < 0 || selectedColumn_ >= static_cast<int>(rights_.fields().size()))
        return QString();
    return rights_.fields()[selectedColumn_].name;
}

void Toperright::RightsDoubleClick() {
    if (rights_.isEmpty())
        return;
    const QString column = selectedRightColumn();
    run([this, column] {
        if (columnMode_) {
            admin_.setColumn(column, !rights_.boolean(column));
        } else if (column == u"模块名称") {
            admin_.setRow(!rights_.boolean(QStringLiteral("新增权")));
        } else if (session_.Rights.CanEdit) {
            admin_.toggleCell(column);
        }
    });
}

void Toperright::rightsReloaded() {
    DBGrid1->setColumnHidden(0, true);
}

void Toperright::addOperator() {
    if (!session_.Rights.CanAdd)
        return;
    OperatorEditor editor(server_, session_, prompter_, operators_, rights_, relay_);
    Taddoperform window(editor, prompter_, true, this);
    window.exec();
    admin_.followOperator();
    rightsReloaded();
}

void Toperright::editOperator() {
    if (!session_.Rights.CanEdit || operators_.isEmpty() || !admin_.mayEditOperator(onlineList_()))
        return;
    OperatorEditor editor(server_, session_, prompter_, operators_, rights_, relay_);
    Taddoperform window(editor, prompter_, false, this);
    window.exec();
    run([this] { admin_.reloadRights(); });
    rightsReloaded();
}

void Toperright::deleteOperator() {
    run([this] { admin_.deleteOperator(onlineList_()); });
    DBGrid2->selectRow(std::max(0, operators_.recNo() - 1));
    rightsReloaded();
}

bool Toperright::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == DBGrid2)
            HintLabel->setText(kOperatorHint);
        if (watched == ListBox1)
            HintLabel->setText(kModuleHint);
        if (watched == DBGrid1)
            HintLabel->setText(kRightsHint);
    }
    return QDialog::eventFilter(watched, event);
}

void Toperright::done(int result) {
    Button5->setEnabled(false);
    DBGrid1->setModel(nullptr);
    DBGrid2->setModel(nullptr);
    rights_.clearFilter();
    operators_.close();
    rights_.close();
    QDialog::done(result);
}
