#pragma once

#include "appserver/day_change_watch.h"
#include "appserver/dialect/translator.h"
#include "appserver/engine/engine.h"
#include "appserver/event_log.h"
#include "appserver/lock_table.h"
#include "appserver/relay.h"

// What every session shares: each part guards itself.
struct ServerContext {
    engine::Engine& engine;
    dialect::Translator& translation;  // workstation statements into the engine's dialect
    Relay& relay;
    LockTable& locks;
    EventLog& log;
    DayChangeWatch& dayChange;
};
