#include "shell/operation_log_view.h"

#include "server/client_dataset.h"

OperationLogView::OperationLogView(AppServer& server, ClientDataSet& query)
    : server_(server), query_(query) {}

void OperationLogView::open() {
    query_.close();
    query_.setCommandText(QStringLiteral(
        "select A.操作模块,A.操作员代号,B.操作员姓名,B.操作员职务,A.操作机器,A.进入时间,A.退出时间 "
        "from 操作记录 A,操作员 B where A.操作员代号=B.操作员代号 order by A.进入时间"));
    query_.open(server_);
    query_.last();
}
