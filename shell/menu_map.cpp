#include "shell/menu_map.h"

namespace {

MenuEntry entry(const char16_t* caption, const char* shortcut = "") {
    return {QString::fromUtf16(caption), QString::fromLatin1(shortcut)};
}

QList<MainMenu> buildMap() {
    return {
        {menu::SystemMenu,
         {entry(u"&1.使用单位"), entry(u"&2.卡位设定"), entry(u"&3.各站票价"), entry(u"&4.客车信息"),
          entry(u"&5.行车线路"), entry(u"&6.操作权限"), entry(u"&7.系统参数"), entry(u""),
          entry(u"&8.自动运行"), entry(u"&9.退出系统")}},
        {menu::TicketMenu,
         {entry(u"&1.售票登记"), entry(u"&2.售票系统"), entry(u"&3.检票系统"), entry(u"&4.安检系统"),
          entry(u"&5.包车系统"), entry(u""), entry(u"&6.车次日结"), entry(u"&7.车次月结"), entry(u""),
          entry(u"&8.报班情况"), entry(u"&9.售座情况"), entry(u"&A.班次管理"), entry(u"&B.刷卡情况")}},
        {QStringLiteral("&C.报表系统"),
         {entry(u"&1.今日售出车票记录"),
          entry(u"&2.今日乘车车票记录"),
          entry(u"&3.今日特殊检票情况"),
          entry(u"&4.座位预售详细情况"),
          entry(u"&5.各日售出车票记录"),
          entry(u"&6.各日发车车票记录"),
          entry(u"&7.已售车票统计查询"),
          entry(u""),
          entry(u"&8.票款结算详细情况"),
          entry(u"&9.未结算的售票记录"),
          entry(u"&0.已结算的售票记录"),
          entry(u"&A.每日票款结算情况"),
          entry(u"&B.每月票款结算情况"),
          entry(u"&C.按月按人票款汇总"),
          entry(u"&D.各月票款结算汇总"),
          entry(u"&E.各年售票情况汇总"),
          entry(u"&F.财务期间结算汇总"),
          entry(u""),
          entry(u"&G.今日各车次结算单"),
          entry(u"&H.往日各车次结算单"),
          entry(u"&R.上车数大于售票数"),
          entry(u"&K.财务月结情况汇总"),
          entry(u""),
          entry(u"&M.每日各站售出情况"),
          entry(u"&N.每月各站售出情况"),
          entry(u"&P.站点售出情况查询")}},
        {QStringLiteral("&D.保管系统"),
         {entry(u"&1.保管当班登记及结算"), entry(u"&2.行李投保及退保办理"), entry(u""),
          entry(u"&3.每日保管费结算情况"), entry(u"&4.当前在保行李一览表"), entry(u"&5.保管业务受理情况表"),
          entry(u"&6.保管员保费收入汇总"), entry(u"&7.各月保管费收入汇总")}},
        {QStringLiteral("&E.收费系统"),
         {entry(u"&1.收费项目定义"), entry(u"&2.应交费用设定"), entry(u"&3.业主交费登记"),
          entry(u"&4.已交费用情况"), entry(u"&5.已交费用汇总")}},
        {menu::AuxiliaryMenu,
         {entry(u"&1.操作密码更改"), entry(u"&2.系统操作日志"), entry(u"&3.信息互通系统"), entry(u""),
          entry(u"&4.数据维护操作"), entry(u"&5.数据重新汇总"), entry(u""),
          entry(u"&7.暂时离开锁定", "F11")}},
        {menu::AboutMenu, {}},
    };
}

}  // namespace

const QList<MainMenu>& MainMenuMap() {
    static const QList<MainMenu> map = buildMap();
    return map;
}

QString ModuleNameOf(const QString& caption, int maxLength) {
    return caption.mid(3, maxLength);
}

QStringList GrantableModules() {
    QStringList names;
    for (const MainMenu& menu : MainMenuMap()) {
        if (menu.caption == menu::AboutMenu)
            continue;
        for (const MenuEntry& entry : menu.entries) {
            if (entry.caption.isEmpty() || entry.caption == menu::Quit)
                continue;
            names << ModuleNameOf(entry.caption, 40);
        }
    }
    return names;
}
