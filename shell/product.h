#pragma once

#include <QString>

// The product title: main window caption and the name of the desktop shortcuts.
inline const QString kProductTitle = QStringLiteral("澄远汽车站售票系统");
