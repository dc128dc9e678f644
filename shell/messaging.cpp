#include "shell/messaging.h"

#include "common/format_stamp.h"
#include "shell/session.h"

std::optional<QString> OutgoingMessage(Session& session, const QString& typed, int chosenEntry, int entryCount) {
    const QString quit = QStringLiteral("请你退出!");
    const QString shutDown = QStringLiteral("请你关机!");
    QString text = typed;
    const bool order = text == quit || text == shutDown;
    if (order && !session.isAdministrator()) text = QStringLiteral("注意:") + text;
    if (text.isEmpty() || entryCount <= 1) return std::nullopt;
    const bool isOrder = session.isAdministrator() && order;
    const QString body = isOrder ? text : QStringLiteral("【") + session.OperatorName + QStringLiteral("】说：") + text;
    if (chosenEntry <= 0) {
        if (isOrder) session.expectEcho(text);
        return QStringLiteral("op_sd2all") + body;
    }
    // An order to one desk does not come back here, so nothing is expected back.
    return QStringLiteral("op_sd2oth") + SpacePad(chosenEntry, 6) + body;
}

QStringList TrimReceivedLines(const QStringList& lines) {
    if (lines.size() <= 100) return lines;
    return lines.mid(lines.size() - 99);
}
