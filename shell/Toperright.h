#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "shell/rights_administration.h"

class AppServer;
class ClientDataSet;
class DataSetModel;
class Prompter;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTableView;
struct Session;

// "操作员使用权限设置": the operators, the modules that can be granted and the rights of the chosen
// operator, with the operator editor behind the operator grid's pop-up menu.
class Toperright : public QDialog {
    Q_OBJECT
  public:
    // `onlineList` gives the operators now at work; `relay` sends a text through the message relay.
    Toperright(AppServer& server, Session& session, Prompter& prompter, ClientDataSet& operators,
               ClientDataSet& rights, std::function<QStringList()> onlineList,
               std::function<void(const QString&)> relay, QWidget* parent = nullptr);
    ~Toperright() override;

    QTableView* DBGrid2;    // operators
    QListWidget* ListBox1;  // modules
    QTableView* DBGrid1;    // rights of the chosen operator
    QPushButton* Button1;   // 选一
    QPushButton* Button2;   // 全选
    QPushButton* Button3;   // 移除一项
    QPushButton* Button4;   // 全部移除
    QPushButton* Button5;   // 关 闭
    QLabel* HintLabel;

    RightsAdministration& administration() { return admin_; }
    void addOperator();
    void editOperator();
    void deleteOperator();
    void RightsDoubleClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

  private:
    void run(const std::function<void()>& action);
    void buildOperatorMenu();
    void buildRightsMenu();
    QString selectedRightColumn() const;
    void rightsReloaded();

    AppServer& server_;
    Session& session_;
    Prompter& prompter_;
    ClientDataSet& operators_;
    ClientDataSet& rights_;
    std::function<QStringList()> onlineList_;
    std::function<void(const QString&)> relay_;
    RightsAdministration admin_;
    std::unique_ptr<DataSetModel> operatorModel_;
    std::unique_ptr<DataSetModel> rightsModel_;
    QMenu* operatorMenu_ = nullptr;
    QMenu* rightsMenu_ = nullptr;
    bool columnMode_ = false;
    int selectedColumn_ = -1;
};
