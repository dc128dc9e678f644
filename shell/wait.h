#pragma once

// Pauses that keep the window alive: pending events are handled in a loop until the time, measured
// on the steady clock, has passed. A timer may therefore fire during the wait. A negative count
// handles pending events once and returns.
void WaitTenths(int tenths);
void WaitMillis(int millis);
