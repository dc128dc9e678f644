#pragma once

#include <QCborArray>
#include <QCborValue>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "protocol/dataset.h"
#include "server/row_changes.h"

struct OperatorIdentity {
    QString code;
    QString name;
    QString role;
};

// The one door to the application server. Every call is synchronous and either returns the
// server's answer or throws ServerError: a refusal with the server's message, or a lost
// connection / timeout. The typed calls below are the server's providers and methods; all of
// them go through call(), which a transport implements.
class AppServer {
public:
    virtual ~AppServer() = default;

    // Sends one method with its arguments and returns the server's result as it came.
    virtual QCborValue call(const QString& method, const QCborArray& args) = 0;

    // Providers: the rows of a fixed provider, or of the command text for a command-text one.
    wire::DataSet open(const QString& provider, const QString& commandText = QString());
    // Writes back edited, deleted and inserted rows through their provider; rows affected.
    int applyUpdates(const QString& provider, const RowChanges& changes);

    // Statements; each returns the rows affected. The five behave alike.
    int ExeSql1(const QString& statement);
    int ExeSql2(const QString& statement);
    int ExeSql3(const QString& statement);
    int ExeSql4(const QString& statement);
    int ExeSql5(const QString& statement);
    // Runs the statements as one group: all or none. Rows affected in total.
    int ExecBatch(const QStringList& statements);

    QString Send_Get_Data(const QString& text);
    void SendOrder(const QString& text);
    QCborValue SaleDesk(const QCborArray& arguments);
    // Makes sure the seat-counter row of the date and trip exists; both come back as the server
    // wrote them.
    void CheckDacc(QString& date, QString& trip);
    bool lock(int mode, const QString& key);
    void unlock(int mode, const QString& key);

    QDateTime GetDateTime();
    QString HostName();
    QString GetVer();
    bool GetExeMode();
    QString GetSockID();
    void RunConsvr();
    QString Gettb();
    QString Getfn(const QString& table);

    OperatorIdentity Login(const QString& code, const QString& password);
    // Operator codes and names, readable before login.
    wire::DataSet OperatorList();
    bool CheckPassword(const QString& code, const QString& password);
    void SetPassword(const QString& code, const QString& newPassword);

private:
    int exeSql(const QString& method, const QString& statement);
};
