#pragma once

#include <QString>
#include <QStringView>

#include "common/money.h"

// The only way a value enters a statement text. A text literal has every single quote doubled,
// so whatever a person typed stays one literal and comes back unchanged.
QString sqlText(QStringView value);
// A decimal with a full stop in its shortest form: 25, 12.5, -3.25.
QString sqlMoney(Money value);
// A bit written bare: 1 or 0.
QString sqlBool(bool value);
// A whole number written bare.
QString sqlInt(qint64 value);
