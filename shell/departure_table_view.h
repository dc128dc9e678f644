#pragma once

#include "shell/grid_module.h"

class AppServer;
class ClientDataSet;
class Prompter;
struct Session;

// "&8.报班情况": today's departure table 发车表 in the shared grid. Its rights do not come from the
// rights table: everybody may refresh, find and print; only the administrator may edit and delete.
// The add button, hinted "刷新", rebuilds the table from the timetable.
class DepartureTableView final : public GridModule {
  public:
    DepartureTableView(AppServer& server, Session& session, Prompter& prompter, ClientDataSet& led);

    QString title() const override { return QStringLiteral("今日发车(报班)情况"); }
    int toolbarMode() const override;
    ClientDataSet& dataSet() override { return led_; }
    void open() override;
    QString hint(ToolAction action) const override;
    bool run(ToolAction action) override;
    bool hasFieldEditor() const override { return true; }
    void writeField(const QString& field, const QString& value) override;

  private:
    void refresh();

    AppServer& server_;
    Session& session_;
    Prompter& prompter_;
    ClientDataSet& led_;
};
