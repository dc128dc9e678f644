#include "shell/departure_table_view.h"

#include "common/sql.h"
#include "network/departure_table.h"
#include "server/app_server.h"
#include "server/client_dataset.h"
#include "shell/prompter.h"
#include "shell/session.h"

DepartureTableView::DepartureTableView(AppServer& server, Session& session, Prompter& prompter,
                                       ClientDataSet& led)
    : server_(server), session_(session), prompter_(prompter), led_(led) {}

int DepartureTableView::toolbarMode() const {
    return session_.isAdministrator() ? 1 : 3;
}

void DepartureTableView::open() {
    const bool administrator = session_.isAdministrator();
    session_.Rights = ModuleRights{true, true, administrator, administrator, true, true};
    led_.close();
    led_.setCommandText(QStringLiteral("Select * from 发车表 order by 发车时间"));
    led_.open(server_);
}

QString DepartureTableView::hint(ToolAction action) const {
    return action == ToolAction::Add ? QStringLiteral("刷新") : QString();
}

bool DepartureTableView::run(ToolAction action) {
    if (action != ToolAction::Add)
        return false;
    refresh();
    return true;
}

void DepartureTableView::refresh() {
    const int added = RefreshDepartureTable(server_);
    led_.refresh(server_);
    prompter_.information(DeparturesRefreshedMessage(added));
}

// The table comes from a statement, not from a table's provider, so the field is written with a
// statement of its own. The field name is one the server sent with the rows.
void DepartureTableView::writeField(const QString& field, const QString& value) {
    server_.ExeSql1(QStringLiteral("update 发车表 set ") + field + QStringLiteral("=") + sqlText(value) +
                    QStringLiteral(" where 车次=") + sqlText(led_.text(QStringLiteral("车次"))));
    led_.refresh(server_);
}
