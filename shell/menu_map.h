#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The main menu as a table: the map of every function of the program. The main window builds its
// menu bar from it, and the rights administration offers the module names taken from it.
struct MenuEntry {
    QString caption;   // "&1.使用单位"; an empty caption is a separator
    QString shortcut;  // key sequence text, "" for none
};

struct MainMenu {
    QString caption;  // "&A.系统设定"
    QList<MenuEntry> entries;
};

const QList<MainMenu>& MainMenuMap();

// The module name of a menu caption: the caption without its prefix of an ampersand, a letter or
// digit and a full stop, cut to maxLength characters ("&1.使用单位" gives "使用单位").
QString ModuleNameOf(const QString& caption, int maxLength = 30);

// The names the rights administration can grant: every entry of the menus "&A.系统设定" to
// "&F.辅助系统" except separators and "&9.退出系统", in menu order, at most 40 characters each.
QStringList GrantableModules();

namespace menu {

inline const QString SystemMenu = QStringLiteral("&A.系统设定");
inline const QString Organisation = QStringLiteral("&1.使用单位");
inline const QString OperatorRights = QStringLiteral("&6.操作权限");
inline const QString Autorun = QStringLiteral("&8.自动运行");
inline const QString Quit = QStringLiteral("&9.退出系统");
inline const QString TicketMenu = QStringLiteral("&B.票务系统");
inline const QString Departures = QStringLiteral("&8.报班情况");
inline const QString AuxiliaryMenu = QStringLiteral("&F.辅助系统");
inline const QString ChangePassword = QStringLiteral("&1.操作密码更改");
inline const QString OperationLog = QStringLiteral("&2.系统操作日志");
inline const QString Messaging = QStringLiteral("&3.信息互通系统");
inline const QString LockScreen = QStringLiteral("&7.暂时离开锁定");
inline const QString AboutMenu = QStringLiteral("&G.关于");

}  // namespace menu
