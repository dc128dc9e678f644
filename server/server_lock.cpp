#include "server/server_lock.h"

#include "server/app_server.h"
#include "server/server_error.h"

ServerLock::ServerLock(AppServer& server, int mode, QString key)
    : server_(server), mode_(mode), key_(std::move(key)), granted_(server_.lock(mode_, key_)) {}

ServerLock::~ServerLock() {
    if (!granted_)
        return;
    try {
        release();
    } catch (const ServerError&) {
        // A destructor may not throw; the server frees the lock itself when the connection goes
        // or the lease runs out.
    }
}

void ServerLock::release() {
    if (!granted_)
        return;
    granted_ = false;
    server_.unlock(mode_, key_);
}
