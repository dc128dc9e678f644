#pragma once

#include "shell/grid_module.h"

class AppServer;
class ClientDataSet;

// "&2.系统操作日志": the operation log with each operator's name and role, oldest first, the cursor
// on the latest visit.
class OperationLogView final : public GridModule {
  public:
    OperationLogView(AppServer& server, ClientDataSet& query);

    QString title() const override { return QStringLiteral("操作日志"); }
    int toolbarMode() const override { return 2; }
    ClientDataSet& dataSet() override { return query_; }
    void open() override;

  private:
    AppServer& server_;
    ClientDataSet& query_;
};
