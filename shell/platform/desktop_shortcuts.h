#pragma once

#include <QString>

// The launchers of the client on the desktop and in the applications menu, both named after the
// product and written again at every start, so they follow the program when it moves.
class DesktopShortcuts {
public:
    // The user's desktop and applications folders unless others are given.
    DesktopShortcuts(QString desktopFolder = {}, QString menuFolder = {});

    // False when either launcher could not be written.
    bool write(const QString& executablePath) const;
    QString desktopEntryPath() const;
    QString menuEntryPath() const;

private:
    QString desktopFolder_;
    QString menuFolder_;
};
