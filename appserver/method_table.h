#pragma once

#include "appserver/server_context.h"
#include "appserver/session_state.h"
#include "protocol/message.h"

// Finds the method a request names and runs it, or answers with the reason it cannot run.
wire::Reply dispatchRequest(const wire::Request& request, SessionState& session, ServerContext& server);
