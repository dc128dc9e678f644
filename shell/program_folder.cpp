#include "shell/program_folder.h"

#include <QDir>

QString ProgramFolder(const QString& chosenFolder) {
    QString folder = chosenFolder.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share/Nuvex/Tickets")
                                            : QDir(chosenFolder).absolutePath();
    folder = QDir::cleanPath(folder);
    QDir().mkpath(folder);
    return folder;
}

QString LocalFilePath(const QString& folder, const QString& name) { return folder + u'/' + name; }
