#include "shell/platform/desktop_shortcuts.h"

#include <QFileInfo>
#include <QStandardPaths>

#include "shell/platform/desktop_entry.h"
#include "shell/product.h"

DesktopShortcuts::DesktopShortcuts(QString desktopFolder, QString menuFolder)
    : desktopFolder_(desktopFolder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)
                                             : std::move(desktopFolder)),
      menuFolder_(menuFolder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation)
                                       : std::move(menuFolder)) {}

QString DesktopShortcuts::desktopEntryPath() const { return desktopFolder_ + u'/' + kProductTitle + QStringLiteral(".desktop"); }

QString DesktopShortcuts::menuEntryPath() const { return menuFolder_ + u'/' + kProductTitle + QStringLiteral(".desktop"); }

bool DesktopShortcuts::write(const QString& executablePath) const {
    const DesktopEntry entry{kProductTitle, executablePath, QFileInfo(executablePath).absolutePath()};
    const bool onDesktop = WriteDesktopEntry(desktopEntryPath(), entry);
    const bool inMenu = WriteDesktopEntry(menuEntryPath(), entry);
    return onDesktop && inMenu;
}
