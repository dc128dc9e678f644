#pragma once

#include <QString>
#include <QStringView>

// Taking a reporting card away from a trip: the question, the statement, and what the card
// service says aloud afterwards.
inline const QString kCancelTripCardQuestion = QStringLiteral("确实要取消本IC卡号吗？");
inline const QString kTripCardCancelledVoiceText = QStringLiteral("PLAY-TEXT-此卡已取消！");

QString CancelTripCard(QStringView tripCode);
