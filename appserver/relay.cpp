#include "appserver/relay.h"

namespace {

// Command words are nine characters; the argument is the rest of the text.
constexpr int kCommandLength = 9;
constexpr int kPositionWidth = 6;

const QString kOnlineTest = QStringLiteral("-Online_test-");
const QString kCheckBackup = QStringLiteral("CheckIsServerd");
const QString kDataReady = QStringLiteral("-Data_Ready-");
const QString kCheckSummary = QStringLiteral("CheckIsHzing");
const QString kRerunSummary = QStringLiteral("ReHz_Data");
const QString kAnnounce = QStringLiteral("op_add2co");
const QString kRename = QStringLiteral("op_reuser");
const QString kToEverybody = QStringLiteral("op_sd2all");
const QString kToOne = QStringLiteral("op_sd2oth");
const QString kOnlineList = QStringLiteral("op_addcom");
const QString kAddressed = QStringLiteral("op_sd2hos");
const QString kIsBackup = QStringLiteral("IsServerd");
const QString kTrue = QStringLiteral("true");
// The first entry of the on-line list stands for everybody.
const QString kEverybody = QStringLiteral("所有在线人员");

}  // namespace

Relay::Relay(Options options) : options_(options) {}

void Relay::connect(quint64 client) {
    std::lock_guard guard(mutex_);
    mailboxes_.insert(client, Mailbox{});
}

void Relay::disconnect(quint64 client) {
    std::lock_guard guard(mutex_);
    mailboxes_.remove(client);
    const qsizetype before = online_.size();
    online_.removeIf([client](const Entry& entry) { return entry.client == client; });
    if (online_.size() != before)
        announceOnlineList();
}

QString Relay::handle(quint64 client, const QString& text) {
    std::lock_guard guard(mutex_);
    // The relay runs for as long as the server does.
    if (text == kOnlineTest)
        return kTrue;
    if (text == kCheckBackup)
        return options_.backup ? kIsBackup : QString();
    if (text == kDataReady)
        return kTrue;
    // No data summary runs inside this server yet, so there is none to report or to restart.
    if (text == kCheckSummary || text == kRerunSummary)
        return QString();

    const QString command = text.left(kCommandLength);
    const QString argument = text.mid(kCommandLength);
    if (command == kAnnounce || command == kRename) {
        addToOnlineList(client, argument);
    } else if (command == kToEverybody) {
        sendToEverybody(client, argument);
    } else if (command == kToOne) {
        sendToPosition(client, argument.left(kPositionWidth), argument.mid(kPositionWidth));
    }
    // Whatever else was sent, the poll "If_on_line" and the empty text among it, this client
    // gets the next message waiting for it.
    return nextFor(client);
}

QString Relay::nextFor(quint64 client) {
    const auto mailbox = mailboxes_.find(client);
    if (mailbox == mailboxes_.end() || mailbox->pending.empty())
        return QString();
    QString message = std::move(mailbox->pending.front());
    mailbox->pending.pop_front();
    if (message.startsWith(kOnlineList)) {
        mailbox->lastListSeen.clear();
        mailbox->lastListSeen.append(0);
        for (const Entry& entry : online_)
            mailbox->lastListSeen.append(entry.client);
    }
    return message;
}

void Relay::post(quint64 client, const QString& message) {
    const auto mailbox = mailboxes_.find(client);
    if (mailbox == mailboxes_.end())
        return;
    if (mailbox->pending.size() >= static_cast<size_t>(kQueueLimit))
        mailbox->pending.pop_front();
    mailbox->pending.push_back(message);
}

void Relay::addToOnlineList(quint64 client, const QString& entry) {
    bool known = false;
    for (Entry& existing : online_) {
        if (existing.client == client) {
            existing.text = entry;
            known = true;
        }
    }
    if (!known)
        online_.append(Entry{client, entry});
    announceOnlineList();
}

void Relay::announceOnlineList() {
    QStringList lines{kEverybody};
    for (const Entry& entry : online_)
        lines.append(entry.text);
    const QString message = kOnlineList + lines.join(QStringLiteral("\r\n"));
    for (const Entry& entry : online_) {
        // A queued list that was never handed out is stale now: only the newest one counts.
        const auto mailbox = mailboxes_.find(entry.client);
        if (mailbox == mailboxes_.end())
            continue;
        std::erase_if(mailbox->pending, [](const QString& m) { return m.startsWith(kOnlineList); });
        post(entry.client, message);
    }
}

void Relay::sendToEverybody(quint64 sender, const QString& message) {
    bool senderOnline = false;
    for (const Entry& entry : online_) {
        post(entry.client, message);
        senderOnline = senderOnline || entry.client == sender;
    }
    if (!senderOnline)
        post(sender, message);
}

void Relay::sendToPosition(quint64 sender, const QString& position, const QString& message) {
    bool isNumber = false;
    const int index = position.trimmed().toInt(&isNumber);
    const auto mailbox = mailboxes_.constFind(sender);
    if (!isNumber || mailbox == mailboxes_.constEnd())
        return;
    if (index == 0) {
        sendToEverybody(sender, message);
        return;
    }
    if (index < 0 || index >= mailbox->lastListSeen.size())
        return;
    post(mailbox->lastListSeen.at(index), kAddressed + message);
}
