#pragma once

#include <QSettings>
#include <QString>
#include <functional>
#include <memory>

#include "common/money.h"

class Autostart;

// The workstation's own settings, one INI file. Callers use the short logical names
// (ServerName, LastOpno, ServerID, LedLX, ZZPH, MPKK, KK, autorun); the stored value name is
// "Nuvex-" followed by the logical name, except LedLX, stored as "Nuvex-LedLXK". A name that is
// not one of these is ignored by ReadSetting and WriteSetting.
class Settings {
public:
    // Opens the file, creating it with the first-run values (ServerName "", LastOpno "0000",
    // autorun false) when it holds no settings yet.
    explicit Settings(const QString& iniPath = defaultPath());
    ~Settings();

    // ~/.config/Nuvex/Tickets.conf
    static QString defaultPath();
    // The stored value name of a logical name, or "" when the name is not a setting.
    static QString storedName(QStringView logicalName);

    // The stored text, or "" when absent or when the name is not a setting. An empty MPKK reads
    // as the station's deduction per ticket, given by the deduction source.
    QString ReadSetting(QStringView logicalName) const;
    void WriteSetting(QStringView logicalName, const QString& value);

    // Where an empty MPKK takes its value from: the system parameter 扣减费用.
    void setDeductionSource(std::function<Money()> source);

    // Adds or removes the start-with-the-session entry and, when that worked, stores the flag.
    // Returns false (flag unchanged) when the entry could not be written or removed.
    bool SetAutorun(bool enabled, Autostart& autostart, const QString& executablePath);
    bool autorun() const;

    // Workstation-local values that are not among the logical names (printer port devices,
    // server ports per registration): key "Group/Name".
    QString localValue(const QString& key, const QString& fallback = {}) const;
    void setLocalValue(const QString& key, const QString& value);

    bool createdOnOpen() const { return createdOnOpen_; }
    QString path() const;

private:
    std::unique_ptr<QSettings> store_;
    std::function<Money()> deductionSource_;
    bool createdOnOpen_ = false;
};
