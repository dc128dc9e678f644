#include "shell/tool_actions.h"

#include "shell/session.h"

QString DefaultToolHint(ToolAction action) {
    static const std::array<QString, kToolActionCount> hints = {
        QStringLiteral("新增"), QStringLiteral("修改"), QStringLiteral("删除"), QStringLiteral("查找"),
        QStringLiteral("筛选"), QStringLiteral("打印"), QStringLiteral("图示"), QStringLiteral("关闭")};
    return hints[static_cast<size_t>(action)];
}

QString ToolRefusal(ToolAction action, const ModuleRights& rights) {
    switch (action) {
        case ToolAction::Add:
            return rights.CanAdd ? QString() : QStringLiteral("对不起，您无“新增”操作权限!!");
        case ToolAction::Edit:
            return rights.CanEdit ? QString() : QStringLiteral("对不起，您无“修改”操作权限!!");
        case ToolAction::Delete:
            return rights.CanDelete ? QString() : QStringLiteral("对不起，您无“删除”操作权限!!");
        case ToolAction::Find:
        case ToolAction::Filter:
            return rights.CanFind ? QString() : QStringLiteral("对不起，您无“查询”操作权限!!");
        case ToolAction::Print:
            return rights.CanPrint ? QString() : QStringLiteral("对不起，您无“打印”操作权限!!");
        case ToolAction::Chart:
        case ToolAction::Close:
            return QString();
    }
    return QString();
}

std::array<bool, kToolActionCount> ToolButtonsEnabled(int mode) {
    //                     add    edit   delete find  filter print  chart  close
    switch (mode) {
        case 1:
            return {true, true, true, true, true, true, false, true};
        case 2:
            return {false, false, false, true, true, true, false, true};
        case 3:
            return {true, true, false, true, true, true, false, true};
        default:
            return {};
    }
}
