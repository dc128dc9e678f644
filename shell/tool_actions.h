#pragma once

#include <QString>
#include <array>

struct ModuleRights;

// The eight generic actions of the main window's tool buttons "1" to "8", in button order.
enum class ToolAction { Add, Edit, Delete, Find, Filter, Print, Chart, Close };

inline constexpr int kToolActionCount = 8;

// The hint a button shows when no module changed it: 新增, 修改, ... 关闭.
QString DefaultToolHint(ToolAction action);

// Why the open module's rights do not allow the action, or "" when they do. Chart and close need
// no right.
QString ToolRefusal(ToolAction action, const ModuleRights& rights);

// Which buttons a toolbar mode enables: mode 1 all but chart, mode 2 find, filter, print and close,
// mode 3 all but delete and chart; mode 0 none.
std::array<bool, kToolActionCount> ToolButtonsEnabled(int mode);
