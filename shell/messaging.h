#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct Session;

// The text that "发 送" hands to the server for what was typed and the entry chosen in the on-line
// list (0 = everybody). Nothing is sent when the text is empty or nobody else is on line.
// Only the administrator sends the quit and shutdown orders; from anybody else they go out as an
// ordinary line with "注意:" in front.
std::optional<QString> OutgoingMessage(Session& session, const QString& typed, int chosenEntry, int entryCount);

// Lines kept in the received-lines area: at most 100; past that the 99 newest.
QStringList TrimReceivedLines(const QStringList& lines);
