#pragma once

#include <QString>

// The workstation's writable folder for its local files (print job and layout files, the
// pending-ticket file, the card list, local tables): the folder given with --data-dir, else
// ~/.local/share/Nuvex/Tickets. Created when missing; never ends with a slash.
QString ProgramFolder(const QString& chosenFolder = {});

// folder + "/" + name
QString LocalFilePath(const QString& folder, const QString& name);
