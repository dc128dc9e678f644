#pragma once

#include <QString>

class AppServer;
class ClientDataSet;
class Prompter;
struct Session;

// The delete button of the shared grid. After a Yes to the question, modules whose rows other
// tables refer to delete with their own statements, refusing first (on an SQL database) when the
// row is still in use; every other module deletes the row through the grid's provider.
class RecordDeletion {
  public:
    RecordDeletion(AppServer& server, Session& session, Prompter& prompter);

    // Deletes the current row of `grid`, shown by the module with this name; true when it went.
    bool deleteCurrent(ClientDataSet& grid, const QString& module);

  private:
    AppServer& server_;
    Session& session_;
    Prompter& prompter_;
};
