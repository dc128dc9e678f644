#include "shell/settings.h"

#include <QDir>

#include "common/sql.h"
#include "shell/platform/autostart.h"

namespace {

struct SettingName {
    const char16_t* logical;
    const char16_t* stored;
};

constexpr SettingName kSettings[] = {
    {u"ServerName", u"Nuvex-ServerName"}, {u"LastOpno", u"Nuvex-LastOpno"},
    {u"ServerID", u"Nuvex-ServerID"},     {u"LedLX", u"Nuvex-LedLXK"},
    {u"ZZPH", u"Nuvex-ZZPH"},             {u"MPKK", u"Nuvex-MPKK"},
    {u"KK", u"Nuvex-KK"},                 {u"autorun", u"Nuvex-autorun"},
};

const QString kAutorun = QStringLiteral("Nuvex-autorun");

}  // namespace

Settings::Settings(const QString& iniPath)
    : store_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {
    if (store_->allKeys().isEmpty()) {
        createdOnOpen_ = true;
        store_->setValue(QStringLiteral("Nuvex-ServerName"), QString());
        store_->setValue(QStringLiteral("Nuvex-LastOpno"), QStringLiteral("0000"));
        store_->setValue(kAutorun, false);
        store_->sync();
    }
}

Settings::~Settings() = default;

QString Settings::defaultPath() {
    return QDir::homePath() + QStringLiteral("/.config/Nuvex/Tickets.conf");
}

QString Settings::storedName(QStringView logicalName) {
    for (const SettingName& s : kSettings) {
        if (logicalName == QStringView(s.logical)) return QString::fromUtf16(s.stored);
    }
    return {};
}

QString Settings::ReadSetting(QStringView logicalName) const {
    const QString stored = storedName(logicalName);
    if (stored.isEmpty()) return {};
    const QString value = store_->value(stored).toString();
    if (value.isEmpty() && logicalName == u"MPKK" && deductionSource_) {
        return sqlMoney(deductionSource_());
    }
    return value;
}

void Settings::WriteSetting(QStringView logicalName, const QString& value) {
    const QString stored = storedName(logicalName);
    if (stored.isEmpty()) return;
    store_->setValue(stored, value);
    store_->sync();
}

void Settings::setDeductionSource(std::function<Money()> source) { deductionSource_ = std::move(source); }

bool Settings::SetAutorun(bool enabled, Autostart& autostart, const QString& executablePath) {
    const bool done = enabled ? autostart.enable(executablePath) : autostart.disable();
    if (!done) return false;
    store_->setValue(kAutorun, enabled);
    store_->sync();
    return true;
}

bool Settings::autorun() const { return store_->value(kAutorun, false).toBool(); }

QString Settings::localValue(const QString& key, const QString& fallback) const {
    return store_->value(key, fallback).toString();
}

void Settings::setLocalValue(const QString& key, const QString& value) {
    store_->setValue(key, value);
    store_->sync();
}

QString Settings::path() const { return store_->fileName(); }
