#include <QApplication>
#include <QCommandLineParser>

#include "shell/TForm1.h"
#include "shell/platform/desktop_shortcuts.h"
#include "shell/platform/machine.h"
#include "shell/program_folder.h"
#include "shell/prompter.h"
#include "shell/settings.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tickets"));

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("The bus-station ticketing workstation."));
    options.addHelpOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Folder of this workstation's local files."),
                                     QStringLiteral("folder"));
    const QCommandLineOption settingsFile(QStringLiteral("settings"),
                                          QStringLiteral("The workstation's settings file."),
                                          QStringLiteral("file"), Settings::defaultPath());
    options.addOption(dataDir);
    options.addOption(settingsFile);
    options.process(app);

    // A launcher that cannot be written is no reason not to start.
    DesktopShortcuts().write(QCoreApplication::applicationFilePath());
    Settings settings(options.value(settingsFile));
    LocalMachine machine;
    TForm1 window(settings, machine, AppPrompter(), ProgramFolder(options.value(dataDir)));
    window.show();
    return QApplication::exec();
}
