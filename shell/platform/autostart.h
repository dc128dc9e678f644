#pragma once

#include <QString>

// Starting the client with the operator's desktop session.
class Autostart {
public:
    virtual ~Autostart() = default;
    // Both return false when the entry could not be written or removed.
    virtual bool enable(const QString& executablePath) = 0;
    virtual bool disable() = 0;
    virtual bool isEnabled() const = 0;
};

// A freedesktop autostart entry "NuvexTickets.desktop" in the autostart folder
// (~/.config/autostart unless another folder is given).
class DesktopAutostart final : public Autostart {
public:
    explicit DesktopAutostart(QString folder = defaultFolder());
    static QString defaultFolder();

    bool enable(const QString& executablePath) override;
    bool disable() override;
    bool isEnabled() const override;
    QString entryPath() const;

private:
    QString folder_;
};
