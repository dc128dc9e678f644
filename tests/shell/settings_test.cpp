#include "shell/settings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "shell/platform/autostart.h"
#include "shell/platform/desktop_shortcuts.h"
#include "shell/program_folder.h"
#include "tests/support/qt_print.h"

namespace {

class SettingsTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString iniPath() const { return dir.filePath(QStringLiteral("Tickets.conf")); }
    QString rawValue(const QString& storedName) const {
        return QSettings(iniPath(), QSettings::IniFormat).value(storedName).toString();
    }
};

TEST_F(SettingsTest, FirstOpenWritesTheFirstRunValuesOnce) {
    {
        Settings first(iniPath());
        EXPECT_TRUE(first.createdOnOpen());
        EXPECT_EQ(first.ReadSetting(u"ServerName"), QString());
        EXPECT_EQ(first.ReadSetting(u"LastOpno"), u"0000");
        EXPECT_FALSE(first.autorun());
        EXPECT_EQ(first.ReadSetting(u"ServerID"), QString());  // not written: reads as registration 0
        first.WriteSetting(u"LastOpno", QStringLiteral("0107"));
    }
    Settings again(iniPath());
    EXPECT_FALSE(again.createdOnOpen());
    EXPECT_EQ(again.ReadSetting(u"LastOpno"), u"0107");
}

TEST_F(SettingsTest, StoredNamesCarryThePrefixAndLedLXItsTrailingK) {
    Settings settings(iniPath());
    const struct {
        const char16_t* logical;
        const char* stored;
    } names[] = {{u"ServerName", "Nuvex-ServerName"}, {u"LastOpno", "Nuvex-LastOpno"},
                 {u"ServerID", "Nuvex-ServerID"},     {u"LedLX", "Nuvex-LedLXK"},
                 {u"ZZPH", "Nuvex-ZZPH"},             {u"MPKK", "Nuvex-MPKK"},
                 {u"KK", "Nuvex-KK"}};
    for (const auto& n : names) {
        const QString value = QStringLiteral("v-") + QString::fromUtf16(n.logical);
        settings.WriteSetting(QString::fromUtf16(n.logical), value);
        EXPECT_EQ(rawValue(QString::fromLatin1(n.stored)), value) << n.stored;
        EXPECT_EQ(settings.ReadSetting(QString::fromUtf16(n.logical)), value) << n.stored;
    }
    EXPECT_EQ(rawValue(QStringLiteral("Nuvex-LedLX")), QString());
}

TEST_F(SettingsTest, UnknownNamesAreIgnored) {
    Settings settings(iniPath());
    settings.WriteSetting(u"Password", QStringLiteral("secret"));
    EXPECT_EQ(settings.ReadSetting(u"Password"), QString());
    EXPECT_EQ(rawValue(QStringLiteral("Nuvex-Password")), QString());
    EXPECT_EQ(settings.ReadSetting(u"ledlx"), QString());  // names are exact
}

TEST_F(SettingsTest, EmptyDeductionFallsBackToTheStationParameter) {
    Settings settings(iniPath());
    EXPECT_EQ(settings.ReadSetting(u"MPKK"), QString());  // no parameters loaded yet
    Money deduction;
    settings.setDeductionSource([&] { return deduction; });
    EXPECT_EQ(settings.ReadSetting(u"MPKK"), u"0");
    deduction = *Money::parse(u"1.5");
    EXPECT_EQ(settings.ReadSetting(u"MPKK"), u"1.5");
    settings.WriteSetting(u"MPKK", QStringLiteral("2"));
    EXPECT_EQ(settings.ReadSetting(u"MPKK"), u"2");
}

TEST_F(SettingsTest, TextsWithQuotesAndChineseSurvive) {
    Settings settings(iniPath());
    const QString host = QStringLiteral("站务'服务器 = ; # \\ 1");
    settings.WriteSetting(u"ServerName", host);
    EXPECT_EQ(Settings(iniPath()).ReadSetting(u"ServerName"), host);
}

TEST_F(SettingsTest, AutorunWritesOrRemovesTheAutostartEntry) {
    Settings settings(iniPath());
    DesktopAutostart autostart(dir.filePath(QStringLiteral("autostart")));
    ASSERT_TRUE(settings.SetAutorun(true, autostart, QStringLiteral("/opt/tickets dir/tickets")));
    EXPECT_TRUE(settings.autorun());
    QFile entry(autostart.entryPath());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    EXPECT_TRUE(text.contains(u"Exec=\"/opt/tickets dir/tickets\"")) << text.toStdString();
    EXPECT_TRUE(text.contains(u"Path=/opt/tickets dir")) << text.toStdString();
    entry.close();

    ASSERT_TRUE(settings.SetAutorun(false, autostart, QString()));
    EXPECT_FALSE(settings.autorun());
    EXPECT_FALSE(autostart.isEnabled());
    EXPECT_EQ(Settings(iniPath()).ReadSetting(u"autorun"), u"false");
}

TEST_F(SettingsTest, AFailedAutostartEntryLeavesTheFlagAlone) {
    Settings settings(iniPath());
    QFile blocker(dir.filePath(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
    blocker.close();
    DesktopAutostart autostart(dir.filePath(QStringLiteral("blocked/autostart")));
    EXPECT_FALSE(settings.SetAutorun(true, autostart, QStringLiteral("/usr/bin/tickets")));
    EXPECT_FALSE(settings.autorun());
}

TEST_F(SettingsTest, LocalValuesKeepWorkstationDetails) {
    Settings settings(iniPath());
    EXPECT_EQ(settings.localValue(QStringLiteral("Ports/LPT1"), QStringLiteral("/dev/lp0")), u"/dev/lp0");
    settings.setLocalValue(QStringLiteral("Ports/LPT1"), QStringLiteral("/dev/usb/lp1"));
    EXPECT_EQ(Settings(iniPath()).localValue(QStringLiteral("Ports/LPT1")), u"/dev/usb/lp1");
}

TEST(DesktopShortcuts, LaunchersOnTheDesktopAndInTheMenu) {
    QTemporaryDir dir;
    const DesktopShortcuts shortcuts(dir.filePath(QStringLiteral("Desktop")), dir.filePath(QStringLiteral("apps")));
    ASSERT_TRUE(shortcuts.write(QStringLiteral("/opt/tickets/tickets")));
    for (const QString& path : {shortcuts.desktopEntryPath(), shortcuts.menuEntryPath()}) {
        QFile entry(path);
        ASSERT_TRUE(entry.open(QIODevice::ReadOnly)) << path.toStdString();
        const QString text = QString::fromUtf8(entry.readAll());
        EXPECT_TRUE(text.contains(u"Name=澄远汽车站售票系统"));
        EXPECT_TRUE(text.contains(u"Exec=\"/opt/tickets/tickets\""));
        EXPECT_TRUE(text.contains(u"Path=/opt/tickets"));
    }
}

TEST(ProgramFolder, IsCreatedAndNeverEndsWithASlash) {
    QTemporaryDir dir;
    const QString folder = ProgramFolder(dir.filePath(QStringLiteral("data/")));
    EXPECT_FALSE(folder.endsWith(u'/'));
    EXPECT_TRUE(QDir(folder).exists());
    EXPECT_EQ(LocalFilePath(folder, QStringLiteral("Printer.TXT")), folder + QStringLiteral("/Printer.TXT"));
}

}  // namespace
