#pragma once
// A process-wide, one-way signal that wakes every in-flight network wait at
// once. Raised only when the program exits, so no request holds it up.

// Raise the signal; every current and later wait returns at once.
void RequestShutdown();
bool IsShutdownRequested();
// A descriptor that becomes readable once the signal is raised, for poll().
int ShutdownWakeFd();
