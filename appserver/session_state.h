#pragma once

#include <QString>

#include <memory>
#include <optional>

#include "appserver/engine/engine.h"
#include "appserver/locked_group.h"
#include "appserver/operator_accounts.h"

// What the server knows about one connection.
struct SessionState {
    quint64 clientId = 0;
    QString peer;  // address:port of the workstation
    std::unique_ptr<engine::Connection> db;
    std::optional<operator_accounts::Identity> identity;  // set by a successful Login
    std::unique_ptr<LockedGroup> group;
};
