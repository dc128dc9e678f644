#include "network/trip_card.h"

#include "common/sql.h"

QString CancelTripCard(QStringView tripCode) {
    return QStringLiteral("update 站台客车 set IC卡号='',停刷=0 where 车次=") + sqlText(tripCode);
}
