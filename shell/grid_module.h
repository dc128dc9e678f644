#pragma once

#include <QString>

#include "shell/tool_actions.h"

class ClientDataSet;

// A module that shows its table in the main window's shared grid. The main window checks the
// rights of a tool button first, then hands the action to the open module; what a module does not
// take over keeps the main window's generic behaviour.
class GridModule {
  public:
    virtual ~GridModule() = default;

    virtual QString title() const = 0;
    virtual int toolbarMode() const = 0;
    virtual ClientDataSet& dataSet() = 0;
    // Fetches the rows; called once when the module opens.
    virtual void open() = 0;
    // The hint of a tool button while the module is open; "" keeps the default.
    virtual QString hint(ToolAction) const { return {}; }
    // Runs the module's own version of the action; false when the module has none.
    virtual bool run(ToolAction) { return false; }
    // Whether the administrator corrects this module's rows one field at a time ("修改").
    virtual bool hasFieldEditor() const { return false; }
    // Writes one field of the current row to the server and shows the row as stored.
    virtual void writeField(const QString& /*field*/, const QString& /*value*/) {}
};
