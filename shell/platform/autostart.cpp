#include "shell/platform/autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "shell/platform/desktop_entry.h"
#include "shell/product.h"

DesktopAutostart::DesktopAutostart(QString folder) : folder_(std::move(folder)) {}

QString DesktopAutostart::defaultFolder() { return QDir::homePath() + QStringLiteral("/.config/autostart"); }

QString DesktopAutostart::entryPath() const { return folder_ + QStringLiteral("/NuvexTickets.desktop"); }

bool DesktopAutostart::enable(const QString& executablePath) {
    return WriteDesktopEntry(entryPath(), {kProductTitle, executablePath, QFileInfo(executablePath).absolutePath()});
}

bool DesktopAutostart::disable() { return !QFile::exists(entryPath()) || QFile::remove(entryPath()); }

bool DesktopAutostart::isEnabled() const { return QFile::exists(entryPath()); }
