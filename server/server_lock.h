#pragma once

#include <QString>

class AppServer;

// Holds a server lock for the lifetime of a scope. The lock is asked for at once; when it was
// granted it is released however the scope ends, so a failed statement in between still ends the
// server's transaction (and the server rolls it back).
class ServerLock {
public:
    ServerLock(AppServer& server, int mode, QString key);
    ~ServerLock();
    ServerLock(const ServerLock&) = delete;
    ServerLock& operator=(const ServerLock&) = delete;

    bool granted() const { return granted_; }
    // Releases now; the destructor then does nothing. Throws what unlock throws.
    void release();

private:
    AppServer& server_;
    int mode_;
    QString key_;
    bool granted_;
};
