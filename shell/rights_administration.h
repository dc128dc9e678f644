#pragma once

#include <QString>
#include <QStringList>

class AppServer;
class ClientDataSet;
class Prompter;
struct Session;

// The rules of the rights administration, without its window: the operators in `operators`
// (操作员), the rights rows in `rights` (操作权限) narrowed to the operator under the cursor, and
// every change written at once with one statement and mirrored in the rows. Each action needs the
// right of the open module "操作权限" named with it and does nothing without it.
class RightsAdministration {
  public:
    static inline const QString kOperatorOnline = QStringLiteral("不能修改!因为该操作员正在操作中。");
    static inline const QString kDeleteOnline = QStringLiteral("不能删除!因为该操作员正在操作中。");
    static inline const QString kHasSales = QStringLiteral("不能“删除”此操作员，因为其有售票记录!!");
    static inline const QString kOwnRecord = QStringLiteral("不能删除自己的操作员资料!");
    static inline const QString kLastAdministrator = QStringLiteral("不能删除最后一个“系统管理员”!");
    // The five rights columns, in grid order.
    static const QStringList& RightColumns();

    RightsAdministration(AppServer& server, Session& session, Prompter& prompter, ClientDataSet& operators,
                         ClientDataSet& rights);

    // Opens both sets and narrows the rights to the first operator.
    void open();
    // Narrows the rights to the operator under the cursor of `operators` (after every move).
    void followOperator();
    // Fetches the rights again and narrows them as before.
    void reloadRights();

    // Granting: a new row with every right. An administrator already has every right: nothing is
    // stored and the operator is told so.
    void grant(const QString& module);
    void grantAll(const QStringList& modules);
    void removeOne();
    void removeAll();

    // One right of the current row, every right of it, or one right of every row of the operator.
    void setCell(const QString& column, bool value);
    void setRow(bool value);
    void setColumn(const QString& column, bool value);
    void toggleCell(const QString& column);

    // False, after telling why, when the operator under the cursor is at work at another desk.
    bool mayEditOperator(const QStringList& onlineList);
    // Asks, checks and deletes the operator under the cursor with their rights; true when deleted.
    bool deleteOperator(const QStringList& onlineList);

  private:
    bool chosenIsAdministrator() const;
    QString chosenCode() const;
    bool onlineElsewhere(const QStringList& onlineList) const;
    void writeRight(const QString& assignments, bool value);
    void appendRight(const QString& module);
    QString rowCondition() const;

    AppServer& server_;
    Session& session_;
    Prompter& prompter_;
    ClientDataSet& operators_;
    ClientDataSet& rights_;
};
