#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <mutex>

// The message relay between desks. Desks cannot be called, so every message waits in the
// addressee's queue until its next poll hands it out, one message per poll.
class Relay {
  public:
    static constexpr int kQueueLimit = 1000;  // a desk that stops polling loses its oldest messages

    struct Options {
        bool backup = false;  // this server only keeps a copy of the data
    };
    explicit Relay(Options options);

    void connect(quint64 client);
    void disconnect(quint64 client);

    // The reply to one Send_Get_Data text from this client.
    QString handle(quint64 client, const QString& text);

  private:
    struct Entry {
        quint64 client;
        QString text;  // 〖code〗name
    };
    struct Mailbox {
        std::deque<QString> pending;
        QList<quint64> lastListSeen;  // who stood at each position of the last list handed out
    };

    QString nextFor(quint64 client);
    void post(quint64 client, const QString& message);
    void announceOnlineList();
    void sendToEverybody(quint64 sender, const QString& message);
    void sendToPosition(quint64 sender, const QString& position, const QString& message);
    void addToOnlineList(quint64 client, const QString& entry);

    const Options options_;
    std::mutex mutex_;
    QHash<quint64, Mailbox> mailboxes_;
    QList<Entry> online_;
};
