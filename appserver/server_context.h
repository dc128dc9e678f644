#pragma once

#include "appserver/engine/engine.h"
#include "appserver/event_log.h"
#include "appserver/lock_table.h"
#include "appserver/relay.h"
#include "appserver/statement_translation.h"

// What every session shares: each part guards itself.
struct ServerContext {
    engine::Engine& engine;
    StatementTranslation& translation;
    Relay& relay;
    LockTable& locks;
    EventLog& log;
};
