#pragma once

#include <QString>

// A freedesktop .desktop launcher for the client, used for the autostart entry and for the
// desktop and menu shortcuts. Returns false when the file cannot be written.
struct DesktopEntry {
    QString name;
    QString executablePath;
    QString workingFolder;
};

bool WriteDesktopEntry(const QString& filePath, const DesktopEntry& entry);
